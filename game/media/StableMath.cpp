#include "game/media/StableMath.h"

#include <cmath>

double MathSin(double radians) { return std::sin(radians); }
double MathCos(double radians) { return std::cos(radians); }
double MathSqrt(double value) { return std::sqrt(value); }
double MathAtan2(double y, double x) { return std::atan2(y, x); }
