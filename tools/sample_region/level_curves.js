'use strict';
// Level curves of the sample region: the GeoJSON lines gdal_contour draws on
// the elevation model, written as a level-curve file in the layout the
// program itself saves (point count, altitude, then "lat,lon" points).
//
//   node level_curves.js <curves.geojson> <altitude attribute> <niveaux file> <name in header>
const fs = require('fs');
const { decimal } = require('./coordinates');
const { writeDataFile } = require('./text_file');

// The reader keeps neither curves below 2 m nor curves of fewer than 2 points.
const LOWEST_ALTITUDE = 2;
const FEWEST_POINTS = 2;

function linesOf(geometry) {
  if (geometry.type === 'LineString') {
    return [geometry.coordinates];
  }
  if (geometry.type === 'MultiLineString') {
    return geometry.coordinates;
  }
  throw new Error(`unexpected geometry ${geometry.type}`);
}

function pointLines(line) {
  const points = [];
  for (const [lon, lat] of line) {
    const text = `${decimal(lat)},${decimal(lon)}`;
    if (text !== points[points.length - 1]) {
      points.push(text);
    }
  }
  return points;
}

function curvesOf(collection, attribute) {
  const curves = [];
  for (const feature of collection.features) {
    const altitude = Math.round(feature.properties[attribute]);
    for (const line of linesOf(feature.geometry)) {
      const points = pointLines(line);
      if (altitude >= LOWEST_ALTITUDE && points.length >= FEWEST_POINTS) {
        curves.push({ altitude, points });
      }
    }
  }
  return curves;
}

function main(input, attribute, output, nameInHeader) {
  const curves = curvesOf(JSON.parse(fs.readFileSync(input, 'utf8')), attribute);
  const header = [
    `/ Fichier des courbes de niveaux - ${nameInHeader}`,
    '/ Nombre de points de la courbe',
    '/ Altitude de la courbe en mètres',
    '/ Liste des points de la courbe (lt,lg)',
    '/',
    '/ Source : modèle d\'élévation du Luxembourg à 30 secondes d\'arc',
    '/ (fichier ex/elev.tif du paquet r-cran-terra, GPL-3+), courbes tracées par gdal_contour',
    '/',
  ];
  const records = [];
  curves.forEach((curve, k) => {
    records.push(`/ Courbe n°${k}`, String(curve.points.length), String(curve.altitude), ...curve.points);
  });
  writeDataFile(output, header, records);
  const total = curves.reduce((sum, curve) => sum + curve.points.length, 0);
  console.log(`${nameInHeader}: ${curves.length} curves, ${total} points`);
}

main(...process.argv.slice(2));
