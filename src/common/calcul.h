#pragma once

// Checked arithmetic. IEEE arithmetic does not trap, so every operation of the
// trace that can fail goes through these helpers: no NaN or infinity is ever
// produced, a failure raises the matching ErreurExecution instead. Operands are
// always finite, so an infinite result can only be an overflow.

namespace bilobe::calcul {

double div(double a, double b, const char* lieu);
double mul(double a, double b, const char* lieu);
double add(double a, double b, const char* lieu);
double sub(double a, double b, const char* lieu);
double racine(double a, const char* lieu);

float divf(float a, float b, const char* lieu);
float mulf(float a, float b, const char* lieu);

// Rounds a double to single precision; beyond the single range is an overflow.
float simple(double a, const char* lieu);

} // namespace bilobe::calcul
