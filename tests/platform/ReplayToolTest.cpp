// The replay tool as CI calls it: usage errors exit 2, an output it cannot write or an input it
// cannot read exits 1 with one line naming the file, a run writes its drawing log, the final
// page and one snapshot per key taken, and exits 0 when the script is used up; its memory does
// not grow with the number of keys.
#include <gtest/gtest.h>

#include <cairo.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

// `before` runs first in the same shell, such as a memory cap for the run.
int replay(const std::string& args, const std::string& errFile = "/dev/null", const std::string& before = "") {
  std::string cmd = before + std::string(LESSONS_BIN_DIR) + "/replay " + args + " 2>" + errFile;
  int raw = std::system(cmd.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// The peak memory (kB) of one replay run with these arguments, its output thrown away.
long PeakKb(std::vector<std::string> args) {
  args.insert(args.begin(), std::string(LESSONS_BIN_DIR) + "/replay");
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
  // The address sanitizer, where it is built in, holds freed memory back for reuse later; with
  // none held back, the peak is what the program itself keeps.
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e)
    if (std::string(*e).rfind("ASAN_OPTIONS=", 0) != 0) env.push_back(*e);
  const char* asan = std::getenv("ASAN_OPTIONS");
  env.push_back(std::string("ASAN_OPTIONS=") + (asan ? asan : "") + ":quarantine_size_mb=0");
  std::vector<char*> envp;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  pid_t pid;
  int bad = posix_spawn(&pid, argv[0], &fa, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&fa);
  if (bad) return -1;
  int status = 0;
  rusage ru{};
  if (wait4(pid, &status, 0, &ru) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return ru.ru_maxrss;
}

class ReplayTool : public ::testing::Test {
 protected:
  ReplayTool() : dir(fs::temp_directory_path() / ("replay-test-" + std::to_string(::getpid()))) {
    fs::create_directories(dir);
  }
  ~ReplayTool() override { fs::remove_all(dir); }
  fs::path dir;
};

TEST_F(ReplayTool, UsageErrorsExit2) {
  const char* bad[] = {
      "",
      "pacman",
      "lunevar --keys",
      "lunevar --frobnicate 1",
      "lunevar --keys '{Enterr}'",
      "lunevar --keys '{Enter'",
      "lunevar --time 25:00:00",
      "lunevar --time 1:2:3",
      "lunevar --rnd 1",
      "lunevar --rnd -0.5",
      "lunevar --rnd x",
      "lunevar --rnd ''",
      // An empty name names no file: nothing would be written or read.
      "lunevar --keys 1 --ops ''",
      "lunevar --keys 1 --png ''",
      "lunevar --keys 1 --snapshots ''",
      "lunevar --keys 1 --keys-taken ''",
      "lunevar --keys-file ''",
  };
  for (const char* args : bad) EXPECT_EQ(replay(args), 2) << args;
  EXPECT_EQ(replay("--help >/dev/null"), 0);
}

TEST_F(ReplayTool, AnOutputOrInputThatFailsExits1NamingTheFile) {
  fs::create_directories(dir / "shots" / "0002.png");  // the second snapshot cannot be written
  std::ofstream(dir / "plain") << "x";
  struct Case {
    std::string args, file;
  } cases[] = {
      {"lunevar --keys 1 --ops /dev/full", "/dev/full"},
      {"lunevar --keys 1 --ops " + (dir / "none" / "ops.jsonl").string(), (dir / "none" / "ops.jsonl").string()},
      {"lunevar --keys 1 --png /dev/full", "/dev/full"},
      {"lunevar --keys 1 --keys-taken /dev/full", "/dev/full"},
      {"lunevar --keys 12 --snapshots " + (dir / "shots").string(), (dir / "shots" / "0002.png").string()},
      {"lunevar --keys 1 --snapshots " + (dir / "plain" / "shots").string(), (dir / "plain" / "shots").string()},
      {"lunevar --keys-file " + dir.string(), dir.string()},
      {"lunevar --keys-file /nonexistent/keys.txt", "/nonexistent/keys.txt"},
  };
  for (const auto& c : cases) {
    auto err = dir / "stderr.txt";
    EXPECT_EQ(replay(c.args, err.string()), 1) << c.args;
    std::ifstream in(err);
    std::string line, extra;
    std::getline(in, line);
    EXPECT_NE(line.find(c.file), std::string::npos) << c.args << ": " << line;
    EXPECT_FALSE(std::getline(in, extra)) << c.args << ": more than one line";
  }
}

// A key file longer than its limit (64 MB, far above any real script), an endless one included,
// stops the run before it starts with one line naming the file; a file of the limit is read.
TEST_F(ReplayTool, AKeyFilePastItsLimitExits1NamingTheFile) {
  constexpr std::uintmax_t kLimit = std::uintmax_t{64} << 20;
  auto atLimit = dir / "at-limit.txt", over = dir / "over.txt";
  std::ofstream(atLimit).close();
  std::ofstream(over).close();
  fs::resize_file(atLimit, kLimit);  // zero bytes, which no key script holds
  fs::resize_file(over, kLimit + 1);
  // A cap on the run's memory, so that a tool reading without end fails here at once; the
  // address sanitizer reserves far more address space than any cap allows.
#ifdef __SANITIZE_ADDRESS__
  const std::string cap;
#else
  const std::string cap = "ulimit -v 2000000; ";
#endif
  struct Case {
    std::string file;
    int status;
  } cases[] = {{over.string(), 1}, {"/dev/zero", 1}, {atLimit.string(), 2}};
  for (const auto& c : cases) {
    auto err = dir / "stderr.txt";
    EXPECT_EQ(replay("lunevar --keys-file " + c.file, err.string(), cap), c.status) << c.file;
    std::ifstream in(err);
    std::string line, extra;
    std::getline(in, line);
    if (c.status != 1) continue;
    EXPECT_NE(line.find(c.file), std::string::npos) << line;
    EXPECT_FALSE(std::getline(in, extra)) << c.file << ": more than one line";
  }
}

TEST_F(ReplayTool, WritesOpsPngAndSnapshots) {
  auto ops = dir / "ops.jsonl", png = dir / "page.png", shots = dir / "shots";
  std::ofstream(dir / "keys.txt") << "{Idle}\n3{Enter}\n";
  std::string args = "osvatine --keys-file " + (dir / "keys.txt").string() + " --time 00:00:00 --rnd 0.5 --ops " +
                     ops.string() + " --png " + png.string() + " --snapshots " + shots.string();
  ASSERT_EQ(replay(args), 0);

  std::ifstream in(ops);
  std::string first, second, line, last;
  std::getline(in, first);
  std::getline(in, second);
  EXPECT_EQ(first, R"({"op":"box","x1":0,"y1":54,"x2":1440,"y2":900,"colour":15,"fill":15,"width":3})");
  EXPECT_EQ(second, R"({"op":"box","x1":0,"y1":0,"x2":1760,"y2":1800,"colour":15,"fill":15,"width":3})");
  while (std::getline(in, line)) last = line;
  // The menu's prompt line is wiped once the number is taken, and 3 ends the program.
  EXPECT_EQ(last, R"({"op":"box","x1":816,"y1":640,"x2":1872,"y2":690,"colour":15,"fill":15,"width":3})");

  cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
  ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(s), 1440);
  EXPECT_EQ(cairo_image_surface_get_height(s), 900);
  cairo_surface_destroy(s);

  EXPECT_TRUE(fs::exists(shots / "0002.png")) << "the two keys the main menu takes";
  EXPECT_FALSE(fs::exists(shots / "0003.png"));
}

// How far a script got: all of it when it is used up, less when the program ends before it.
TEST_F(ReplayTool, SaysHowManyKeysWereTaken) {
  struct Case {
    std::string keys;
    int taken;
  } cases[] = {
      {"", 0},
      {"{Idle}1{Enter}aa{Left}", 6},
      {"{Idle}3{Enter}1{Enter}", 3},  // 3 ends the program at once
      {"2{Enter}{Close}1{Enter}", 3},
  };
  auto file = dir / "taken.txt";
  for (const auto& c : cases) {
    ASSERT_EQ(replay("osvatine --keys '" + c.keys + "' --keys-taken " + file.string()), 0) << c.keys;
    std::ifstream in(file);
    int taken = -1;
    in >> taken;
    EXPECT_EQ(taken, c.taken) << c.keys;
  }
}

// The drawing log goes to its file as it is drawn; only the page is kept, whose length the
// screen sets, not the number of keys.
TEST_F(ReplayTool, MemoryDoesNotGrowWithKeys) {
  auto keys = [&](int arrows) {
    auto file = dir / ("keys" + std::to_string(arrows) + ".txt");
    std::ofstream out(file);
    out << "1{Enter}abcde1{Enter}";
    for (int i = 0; i < arrows; ++i) out << (i % 80 < 40 ? "{Left}" : "{Down}");
    return file.string();
  };
  long few = PeakKb({"lunevar", "--keys-file", keys(500), "--ops", "/dev/null"});
  long many = PeakKb({"lunevar", "--keys-file", keys(10000), "--ops", "/dev/null"});
  ASSERT_GT(few, 0);
  ASSERT_GT(many, 0);
  EXPECT_LT(many, few * 3 / 2) << "peak " << few << " kB after 500 keys, " << many << " kB after 10,000";
}

TEST_F(ReplayTool, EndsCleanlyWhenTheScriptRunsOutOrTheWindowCloses) {
  EXPECT_EQ(replay("lunevar"), 0);
  EXPECT_EQ(replay("pendrel --keys '{Close}'"), 0);
  EXPECT_EQ(replay("osvatine --keys '{Idle}{Idle}{Enter}'"), 0);
}

}  // namespace
