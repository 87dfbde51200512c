// Angle conversions. The program takes pi as 3.142 throughout, so these factors are the doubles
// nearest 3.142/180 and 180/3.142, not the exact ones: accumulated angles drift accordingly.
#pragma once

constexpr double kDegreesToRadians = 0.017455555555555554;
constexpr double kRadiansToDegrees = 57.28835136855506;
