'use strict';
// Country outlines of the sample region, from Natural Earth 1:10m (npm
// world-atlas, public domain), one contour file per country.
//
//   node outlines.js <contours directory>
//
// The contour layer walks the points of all files as one stream and draws an
// outline each time it meets the point 0,0; so every ring, the last one of a
// file included, is closed on its first point and followed by 0,0.
const path = require('path');
const topojson = require('topojson-client');
const world = require('world-atlas/countries-10m.json');
const { decimal } = require('./coordinates');
const { writeDataFile } = require('./text_file');

const COUNTRIES = [
  { source: 'Luxembourg', nom: 'Luxembourg', file: 'luxembourg.dat' },
  { source: 'Belgium', nom: 'Belgique', file: 'belgique.dat' },
  { source: 'France', nom: 'France', file: 'france.dat' },
  { source: 'Germany', nom: 'Allemagne', file: 'allemagne.dat' },
];

const SEPARATOR = '0,0';

function ringsOf(geometry) {
  if (geometry.type === 'Polygon') {
    return geometry.coordinates;
  }
  if (geometry.type === 'MultiPolygon') {
    return geometry.coordinates.flat(1);
  }
  throw new Error(`unexpected geometry ${geometry.type}`);
}

// "lat,lon" lines of a ring, without repeated points, closed on its start.
function ringLines(ring) {
  const lines = [];
  for (const [lon, lat] of ring) {
    const line = `${decimal(lat)},${decimal(lon)}`;
    if (line !== lines[lines.length - 1]) {
      lines.push(line);
    }
  }
  if (lines[0] !== lines[lines.length - 1]) {
    lines.push(lines[0]);
  }
  if (lines.includes(SEPARATOR)) {
    throw new Error('an outline point falls on the separator 0,0');
  }
  return lines;
}

function main(outDir) {
  const countries = topojson.feature(world, world.objects.countries).features;
  for (const country of COUNTRIES) {
    const feature = countries.find((f) => f.properties.name === country.source);
    if (!feature) {
      throw new Error(`${country.source} missing from world-atlas`);
    }
    const records = [];
    const rings = ringsOf(feature.geometry);
    for (const ring of rings) {
      records.push(...ringLines(ring), SEPARATOR);
    }
    const header = [
      `/ Fichier de contours - ${country.nom}`,
      '/ Source : Natural Earth 1:10m (world-atlas), domaine public',
      '/ Latitude, Longitude en degrés décimaux',
      '/ NB. Latitude négative au sud, Longitude négative à l\'ouest',
      '/ Le point 0,0 termine chaque contour',
      '/',
    ];
    writeDataFile(path.join(outDir, country.file), header, records);
    console.log(`contours/${country.file}: ${rings.length} contours, ${records.length - rings.length} points`);
  }
}

main(process.argv[2]);
