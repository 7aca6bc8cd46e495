// Placeholder so the figures library has a source until its routines land.
// Remove once real sources exist.
namespace figures {}
