// The shared variables of the lesson programs: every numeric one a single float starting at 0,
// every string one empty, arrays sized by start-up. Names are the lessons' own (NAME$ is NAME_s,
// NAME() NAME_a). Grouped by the layer that owns them; any routine may use another's as scratch.
#pragma once
#include <string>

#include "platform/Arr.h"

namespace shell {

using platform::Arr;

struct Vars {
  // The lesson shell: pen, colours, prompt and number input, start-up and the error screen.
  float A{}, AINP{}, B{}, CCC0{}, CCC1{}, DR{}, FKIG{}, HHKIG{}, I{}, IB8{}, JYOU{}, KAIX{}, KAIY{}, KB8{};
  float L{}, LE{}, LEM{}, N{}, N1{}, SAIGO{}, X{}, X1{}, XT{}, XX{}, Y{}, Y1{}, YY{};
  std::string A_s, AA_s, AINP_s, B_s, HENK_s, HENK1_s, HENK2_s, HENK3_s, I_s, TITLE_s, X8_s, X9_s;
  // The math text renderer and its text boxes: fractions, roots, exponents, measuring, box colours.
  float AAAX{}, AAAY{}, BSEN{}, BUN{}, CCC2{}, CCC3{}, CCC4{}, DB{}, DB1{}, DBM1{}, DBM2{}, DS{}, DS1{}, DS2{};
  float DS4{}, DSM1{}, DSM2{}, E1{}, E2{}, HABA{}, HROOT{}, JYOUK{}, KAKKO{}, KAKKO1{}, LB8{}, LLT{}, LT1{};
  float NAG{}, NAGA{}, TA1{}, TA2{}, TA3{}, TA5{}, TA6{}, TATE{}, TBBO{}, TBBO1{}, TBSI{}, TBSI1{}, TX{};
  float TXM{}, TY{}, X2{}, X3{}, X4{}, XX1{}, Y2{}, Y22{}, Y3{}, Y4{}, YAK{}, YAK1{}, YT{}, YY1{};
  std::string A1_s, A11_s, A2_s, A21_s, A3_s, A31_s, A4_s, A41_s, A5_s, AA1_s, AA_A_s, B1_s, B2_s, B3_s, B4_s, DA1_s;
  std::string DB_s, DS_s, DS1_s, DS2_s, DS3_s, DS4_s, FDS1_s, MOTOA_s, R_s, RTASKAI1_s, RTASKAI2_s, TKAI1_s, TKAI2_s;
  // The figure marks: grid paper, vertex and arm points, angle arcs, labels, segment marks, polygons.
  float AIDA{}, AIDA1{}, AX{}, AX1{}, AX2{}, AY{}, AY1{}, AY2{}, BX{}, BX1{}, BY{}, BY1{}, CX{}, CY{}, D{};
  float D1{}, D2{}, DX{}, DY{}, EX{}, EY{}, GGX{}, GGY{}, GX0{}, GX1{}, GX2{}, GY0{}, GY1{}, GY2{}, H{}, HH{};
  float HH1{}, HH2{}, HH3{}, HH4{}, HH5{}, HHP{}, HONSU{}, HOUKOU{}, II{}, ITI{}, KAKU{}, KJ1{}, KJ2{}, KJ3{};
  float MU_DO{}, NAGASA{}, NAGASA1{}, PI{}, R{}, RR{}, SIZE{}, SIZE1{}, TAKASA{}, TII{}, YOKO{}, ZX{}, ZX0{};
  float ZX1{}, ZX11{}, ZX12{}, ZX2{}, ZX3{}, ZX4{}, ZX5{}, ZY{}, ZY0{}, ZY1{}, ZY11{}, ZY12{}, ZY2{}, ZY3{};
  float ZY4{}, ZY5{};
  std::string AAA_s, KAKUDO_s;
  // The geometry and number routines: lines and circles, coordinate planes, plotting, signs, divisors.
  float A1{}, A2{}, AA{}, AA1{}, AA2{}, B1{}, B2{}, BAIX{}, BAIY{}, BB{}, BB1{}, BB2{}, C{}, CC{}, GX{}, GX3{};
  float GX4{}, GX5{}, GY{}, GY3{}, GY4{}, GY5{}, IROIRO{}, J{}, KAKUDO{}, KASANARIX{}, KASANARIY{}, KOSUU{};
  float LT{}, LT2{}, MUKI{}, NASI{}, P{}, P1{}, P2{}, Q{}, R1A{}, R1B{}, R1B1{}, R1I{}, RR1{}, RR2{}, SOSU{};
  float SOSU1{}, TA{}, XG{}, XTAKE{}, Y5{}, Y6{}, Y7{}, YA{}, YG{}, YTAKE{};
  std::string ENZAN_s, HYOUJI_s, P1_s, P2_s, R1A_s, R1A1_s, R1B_s, RAB_s, RABM_s, SO_s, X_s, Y_s;
  float KOUTEN{};  // LineIntersection: 1 when the lines cross, 0 when they are parallel or coincide
  // The lesson screens of every program: the text cursor, the sub-menu choice, the circle's radius, scratch.
  float XI0{}, XI1{}, XI2{}, XI3{}, YI1{}, SENTAKU{}, R1{}, R2{}, M{}, N2{}, N3{}, TJ{};
  // The arrays, dimensioned at start-up: point tables, answer places, generated values, text tables.
  Arr<float> F_a, G_a, H_a, HH_a, R_a, SFU_a, T_a, U_a, V_a, X_a, XW_a, XX_a, Y_a, YW_a, YY_a;
  Arr<std::string> F_s_a, KKAI_s_a, R1B_s_a, RAB_s_a, RABM_s_a, T_s_a, TANI_s_a, TKAI_s_a, X_s_a, Y_s_a;
};

}  // namespace shell
