#pragma once
// Sine, cosine, square root and arc tangent for everything that plays or draws a stage. They are
// compiled once, out of line, so that no caller's optimiser folds a constant argument at compile
// time, fuses a sine and a cosine into one library call or expands one inline: every build of the
// play code (optimised or not) gets the bits of the same library call, and the committed replays
// hash the same frames. Call these, never <cmath>'s, in game/play, game/flow and game/media.
const double kPi = 3.14159265358979323846;

double MathSin(double radians);
double MathCos(double radians);
double MathSqrt(double value);
double MathAtan2(double y, double x);
