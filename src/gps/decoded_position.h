#pragma once
// What one decoded position message hands to the receive handler.
#include <string>

namespace orvex {

struct DecodedPosition {
  double Longitude = 0;  // degrees, east positive
  double Latitude = 0;   // degrees, north positive
  double Altitude = 0;   // metres; APRS packets carry none here
  std::string Time;      // NMEA: the time field as sent
  std::string Name;      // APRS: the station, object or item name
  std::string Information;  // APRS: the information field as received
  bool Killed = false;      // APRS: the object or item was withdrawn

  // A longitude or latitude of 0 means "no position" throughout the program.
  bool HasPosition() const { return Longitude != 0 && Latitude != 0; }
};

}  // namespace orvex
