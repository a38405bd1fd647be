#pragma once
// Angle constants shared by the geodesy code, kept at these stored values.
namespace orvex {

inline constexpr double kDegreesToRadians = 0.017453292519943295;
inline constexpr double kPi = 3.141592653589793;

}  // namespace orvex
