// The shared variables of the lesson programs: every numeric one a single float starting at 0,
// every string one empty, arrays sized by start-up. Names are the lessons' own (NAME$ is NAME_s, NAME() NAME_a).
#pragma once
#include <string>

#include "platform/Arr.h"

namespace shell {

using platform::Arr;

struct Vars {
  // Numbers (value-initialised to 0).
  float A{}, A1{}, A2{}, AA{}, AA1{}, AA2{}, AAAX{}, AAAY{}, AIDA{}, AIDA1{}, AINP{}, AX{}, AX1{}, AX2{}, AY{}, AY1{}, AY2{}, B{}, B1{};
  float B2{}, BAIX{}, BAIY{}, BB{}, BB1{}, BB2{}, BSEN{}, BUN{}, BX{}, BX1{}, BY{}, BY1{}, C{}, CC{}, CCC0{}, CCC1{}, CCC2{}, CCC3{};
  float CCC4{}, CX{}, CY{}, D{}, D1{}, D2{}, DB{}, DB1{}, DBM1{}, DBM2{}, DR{}, DS{}, DS1{}, DS2{}, DS4{}, DSM1{}, DSM2{}, DX{}, DY{};
  float E1{}, E2{}, EX{}, EY{}, FKIG{}, GGX{}, GGY{}, GX{}, GX0{}, GX1{}, GX2{}, GX3{}, GX4{}, GX5{}, GY{}, GY0{}, GY1{}, GY2{}, GY3{};
  float GY4{}, GY5{}, H{}, HABA{}, HH{}, HH1{}, HH2{}, HH3{}, HH4{}, HH5{}, HHKIG{}, HHP{}, HONSU{}, HOUKOU{}, HROOT{}, I{}, IB8{};
  float II{}, IROIRO{}, ITI{}, J{}, JYOU{}, JYOUK{}, KAIX{}, KAIY{}, KAKKO{}, KAKKO1{}, KAKU{}, KAKUDO{}, KASANARIX{};
  float KASANARIY{}, KB8{}, KJ1{}, KJ2{}, KJ3{}, KOSUU{}, L{}, LB8{}, LE{}, LEM{}, LLT{}, LT{}, LT1{}, LT2{}, M{}, MUKI{}, MU_DO{};
  float N{}, N1{}, N2{}, NAG{}, NAGA{}, NAGASA{}, NAGASA1{}, NASI{}, P{}, P1{}, P2{}, PI{}, Q{}, R{}, R1A{}, R1B{}, R1B1{}, R1I{}, RR{};
  float RR1{}, RR2{}, SAIGO{}, SENTAKU{}, SIZE{}, SIZE1{}, SOSU{}, SOSU1{}, TA{}, TA1{}, TA2{}, TA3{}, TA5{}, TA6{}, TAKASA{};
  float TATE{}, TBBO{}, TBBO1{}, TBSI{}, TBSI1{}, TII{}, TJ{}, TX{}, TXM{}, TY{}, X{}, X1{}, X2{}, X3{}, X4{}, XG{}, XI0{}, XI1{}, XI2{};
  float XI3{}, XT{}, XTAKE{}, XX{}, XX1{}, Y{}, Y1{}, Y2{}, Y22{}, Y3{}, Y4{}, Y5{}, Y6{}, Y7{}, YA{}, YAK{}, YAK1{}, YG{}, YI1{}, YOKO{};
  float YT{}, YTAKE{}, YY{}, YY1{}, ZX{}, ZX0{}, ZX1{}, ZX11{}, ZX12{}, ZX2{}, ZX3{}, ZX4{}, ZX5{}, ZY{}, ZY0{}, ZY1{}, ZY11{}, ZY12{};
  float ZY2{}, ZY3{}, ZY4{}, ZY5{};
  // Strings.
  std::string A_s, A1_s, A11_s, A2_s, A21_s, A3_s, A31_s, A4_s, A41_s, A5_s, AA_s, AA1_s, AAA_s;
  std::string AA_A_s, AINP_s, B_s, B1_s, B2_s, B3_s, B4_s, DA1_s, DB_s, DS_s, DS1_s, DS2_s, DS3_s;
  std::string DS4_s, ENZAN_s, FDS1_s, HENK_s, HENK1_s, HENK2_s, HENK3_s, HYOUJI_s, I_s, KAKUDO_s;
  std::string MOTOA_s, P1_s, P2_s, R_s, R1A_s, R1A1_s, R1B_s, RAB_s, RABM_s, RTASKAI1_s;
  std::string RTASKAI2_s, SO_s, TITLE_s, TKAI1_s, TKAI2_s, X_s, X8_s, X9_s, Y_s;
  // Arrays, dimensioned at start-up.
  Arr<float> F_a, G_a, H_a, HH_a, R_a, SFU_a, T_a, U_a, V_a, X_a, XW_a, XX_a, Y_a, YW_a, YY_a;
  Arr<std::string> F_s_a, KKAI_s_a, R1B_s_a, RAB_s_a, RABM_s_a, T_s_a, TANI_s_a, TKAI_s_a, X_s_a;
  Arr<std::string> Y_s_a;
  // Geometry layer.
  float KOUTEN{};  // LineIntersection: 1 when the lines cross, 0 when they are parallel or coincide
};

}  // namespace shell
