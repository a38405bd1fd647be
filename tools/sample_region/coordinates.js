'use strict';
// Coordinate texts as the program writes them in its data files.

// Plain decimal degrees with 5 decimals (about 1 m, finer than the 1/16384
// degree the program keeps).
function decimal(degrees) {
  const text = degrees.toFixed(5);
  return text === '-0.00000' ? '0.00000' : text;
}

function twoDigits(value) {
  return String(value).padStart(2, '0');
}

// Degrees, minutes and whole seconds with the degree sign and a hemisphere
// letter: 49°36'41"N, 06°07'58"E (O for west).
function dms(degrees, positive, negative) {
  const total = Math.round(Math.abs(degrees) * 3600);
  const d = Math.floor(total / 3600);
  const m = Math.floor((total % 3600) / 60);
  const s = total % 60;
  return `${twoDigits(d)}°${twoDigits(m)}'${twoDigits(s)}"${degrees >= 0 ? positive : negative}`;
}

const latitudeText = (lat) => dms(lat, 'N', 'S');
const longitudeText = (lon) => dms(lon, 'E', 'O');

// Six-character Maidenhead locator of a position.
function locator(lon, lat) {
  const x = lon + 180;
  const y = lat + 90;
  const letter = (base, index) => String.fromCharCode(base.charCodeAt(0) + index);
  return (
    letter('A', Math.floor(x / 20)) +
    letter('A', Math.floor(y / 10)) +
    String(Math.floor((x % 20) / 2)) +
    String(Math.floor(y % 10)) +
    letter('A', Math.floor((x % 2) * 12)) +
    letter('A', Math.floor((y % 1) * 24))
  );
}

module.exports = { decimal, latitudeText, longitudeText, locator };
