'use strict';
// Sample structures: a few rivers, motorways and areas of the region, drawn by
// hand from a handful of points. They are illustrations, not survey data.
//
//   node structures.js <structures file>
//
// The structure layer fills every structure as a polygon, so a river or a
// road becomes a narrow band: the centre line widened on both sides.
const { decimal } = require('./coordinates');
const { writeDataFile } = require('./text_file');

const BLUE = 1;
const GREEN = 2;
const NAVY = 3;
const RED = 4;
const YELLOW = 14;

const RIVER_HALF_WIDTH = 0.0015; // degrees of latitude, about 170 m
const ROAD_HALF_WIDTH = 0.0008;

// Centre lines as [lon, lat].
const LINES = [
  {
    colour: BLUE,
    name: 'Moselle (tracé indicatif)',
    halfWidth: RIVER_HALF_WIDTH,
    points: [[6.176, 49.12], [6.16, 49.2], [6.165, 49.28], [6.17, 49.36], [6.24, 49.42], [6.36, 49.46],
      [6.37, 49.545], [6.42, 49.62], [6.44, 49.68], [6.5, 49.715], [6.58, 49.735], [6.64, 49.755],
      [6.72, 49.8], [6.8, 49.85]],
  },
  {
    colour: BLUE,
    name: 'Sûre (tracé indicatif)',
    halfWidth: RIVER_HALF_WIDTH,
    points: [[5.84, 49.9], [5.935, 49.91], [6.02, 49.89], [6.16, 49.87], [6.25, 49.85], [6.33, 49.82],
      [6.42, 49.81], [6.5, 49.715]],
  },
  {
    colour: BLUE,
    name: 'Alzette (tracé indicatif)',
    halfWidth: RIVER_HALF_WIDTH,
    points: [[5.98, 49.495], [6.06, 49.54], [6.13, 49.6], [6.12, 49.68], [6.1, 49.75], [6.1, 49.85]],
  },
  {
    colour: RED,
    name: 'A1 Luxembourg - Trèves (tracé indicatif)',
    halfWidth: ROAD_HALF_WIDTH,
    points: [[6.16, 49.625], [6.27, 49.64], [6.36, 49.665], [6.44, 49.695], [6.52, 49.725], [6.6, 49.745]],
  },
  {
    colour: RED,
    name: 'A3 Luxembourg - Thionville (tracé indicatif)',
    halfWidth: ROAD_HALF_WIDTH,
    points: [[6.13, 49.58], [6.11, 49.53], [6.11, 49.48], [6.14, 49.44], [6.16, 49.38]],
  },
  {
    colour: RED,
    name: 'A6 Luxembourg - Arlon (tracé indicatif)',
    halfWidth: ROAD_HALF_WIDTH,
    points: [[6.09, 49.605], [6.0, 49.62], [5.92, 49.64], [5.83, 49.67]],
  },
  {
    colour: RED,
    name: 'A31 Thionville - Metz (tracé indicatif)',
    halfWidth: ROAD_HALF_WIDTH,
    points: [[6.16, 49.38], [6.165, 49.3], [6.18, 49.2], [6.19, 49.13]],
  },
];

const AREAS = [
  {
    colour: GREEN,
    name: 'Forêt du Grünewald (zone indicative)',
    points: [[6.15, 49.66], [6.22, 49.66], [6.26, 49.7], [6.22, 49.74], [6.15, 49.72]],
  },
  {
    colour: NAVY,
    name: 'Lac de la Haute-Sûre (zone indicative)',
    points: [[5.8, 49.905], [5.85, 49.915], [5.9, 49.925], [5.94, 49.915], [5.9, 49.905], [5.85, 49.9]],
  },
  {
    colour: YELLOW,
    name: 'Aéroport du Findel (zone indicative)',
    points: [[6.195, 49.62], [6.235, 49.622], [6.24, 49.632], [6.2, 49.634]],
  },
];

// Unit normal of the direction (dLon, dLat), measured with longitude shrunk
// by cos(latitude) so that the band keeps its width whatever its heading.
function normal(dLon, dLat, lat) {
  const shrink = Math.cos((lat * Math.PI) / 180);
  const x = dLon * shrink;
  const length = Math.hypot(x, dLat);
  return [-dLat / length / shrink, x / length];
}

// The left edge forwards, then the right edge backwards.
function band(points, halfWidth) {
  const left = [];
  const right = [];
  points.forEach(([lon, lat], i) => {
    const [lon0, lat0] = points[Math.max(i - 1, 0)];
    const [lon1, lat1] = points[Math.min(i + 1, points.length - 1)];
    const [nLon, nLat] = normal(lon1 - lon0, lat1 - lat0, lat);
    left.push([lon + nLon * halfWidth, lat + nLat * halfWidth]);
    right.push([lon - nLon * halfWidth, lat - nLat * halfWidth]);
  });
  return [...left, ...right.reverse()];
}

function block(structure, polygon) {
  return [String(structure.colour), structure.name, ...polygon.map(([lon, lat]) => `${decimal(lat)},${decimal(lon)}`)];
}

function main(output) {
  const records = [
    ...LINES.flatMap((line) => block(line, band(line.points, line.halfWidth))),
    ...AREAS.flatMap((area) => block(area, area.points)),
  ];
  const header = [
    '/ Fichier des structures - données d\'exemple : tracés indicatifs dessinés à la main, non exacts',
    '/ Code couleur : 0 noir, 1 bleu, 2 vert, 3 bleu marine, 4 rouge, 5 violet, 6 bordeaux, 7 et 8 gris, 14 jaune, 15 blanc',
    '/ Nom de la structure',
    '/ Liste des points du polygone (lt,lg)',
    '/',
  ];
  writeDataFile(output, header, records);
  console.log(`${output}: ${LINES.length + AREAS.length} structures`);
}

main(process.argv[2]);
