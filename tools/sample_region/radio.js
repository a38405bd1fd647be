'use strict';
// Sample radio data: fictitious radio amateurs and repeaters around
// Luxembourg, and the channel table their frequency fields refer to. No call
// sign below belongs to a real station.
//
//   node radio.js <OM file> <relais file> <canaux.dat>
const { latitudeText, locator, longitudeText } = require('./coordinates');
const { writeDataFile } = require('./text_file');

// [call sign, lon, lat, altitude in metres]
const STATIONS = [
  ['LX0AAA', 6.1502, 49.6281, 360],
  ['LX0AAB', 5.9814, 49.4958, 300],
  ['LX0AAC', 6.1042, 49.8472, 200],
  ['LX0AAD', 5.9321, 49.9662, 390],
  ['LX0AAE', 6.0313, 50.0547, 360],
  ['LX0AAF', 6.4211, 49.8122, 170],
  ['LX0AAG', 6.3672, 49.5453, 150],
  ['LX0AAH', 6.1063, 49.7489, 220],
  ['LX0AAJ', 5.8892, 49.5242, 320],
  ['LX0AAK', 6.2081, 49.9347, 230],
];

// 2 m repeater channels R0..R7 every 25 kHz from 145.600 MHz.
const TWO_METRE_FIRST = 145.6;
const TWO_METRE_COUNT = 8;
// 70 cm channels RUn at 430 MHz + n x 12.5 kHz, every other one from RU692.
const SEVENTY_CM_BASE = 430;
const SEVENTY_CM_STEP = 0.0125;
const SEVENTY_CM_CHANNELS = Array.from({ length: 15 }, (_, k) => 692 + 2 * k);
const STEP_25_KHZ = 0.025;

const NONE = '0';

// [call sign, name, lon, lat, frequency 1, 2, 3]: a frequency field holds a
// channel name of canaux.dat, a frequency in MHz, or 0 for none.
const REPEATERS = [
  ['LX0RAA', 'Relais fictif Luxembourg-Kirchberg', 6.16, 49.63, 'R6', 'RU698', NONE],
  ['LX0RAB', 'Relais fictif Esch-sur-Alzette', 5.98, 49.5, 'R3', NONE, NONE],
  ['LX0RAC', 'Relais fictif Wiltz', 5.93, 49.97, 'R1', 'RU706', NONE],
  ['LX0RAD', 'Relais fictif Echternach', 6.42, 49.81, 'R7', NONE, NONE],
  ['LX0RAE', 'Relais fictif Diekirch', 6.16, 49.87, 'RU692', '29.660', NONE],
  ['LX0RAF', 'Relais fictif Mondorf-les-Bains', 6.28, 49.51, 'R5', 'RU700', '51.830'],
];

function channels() {
  const twoMetre = Array.from({ length: TWO_METRE_COUNT }, (_, k) => [`R${k}`, TWO_METRE_FIRST + k * STEP_25_KHZ]);
  const seventy = SEVENTY_CM_CHANNELS.map((n) => [`RU${n}`, SEVENTY_CM_BASE + n * SEVENTY_CM_STEP]);
  return [...twoMetre, ...seventy].map(([name, mhz]) => `${name},${mhz.toFixed(3)}`);
}

function writeStations(file) {
  const header = [
    '/ Fichier des OM - lieux/luxembourg/OM/exemple.dat',
    '/ Latitude, Longitude, Indicatif, Altitude en mètres',
    '/ Données d\'exemple : indicatifs fictifs, aucune station réelle',
    '/',
  ];
  const records = STATIONS.map(([call, lon, lat, alt]) => `${latitudeText(lat)},${longitudeText(lon)},${call},${alt}`);
  writeDataFile(file, header, records);
  console.log(`${file}: ${records.length} radio amateurs`);
}

function writeRepeaters(file, knownChannels) {
  for (const [call, , , , ...frequencies] of REPEATERS) {
    for (const f of frequencies) {
      if (f !== NONE && !knownChannels.has(f) && !/^\d+\.\d+$/.test(f)) {
        throw new Error(`${call}: ${f} is neither a channel nor a frequency`);
      }
    }
  }
  const header = [
    '/ Fichier des relais - données d\'exemple : relais fictifs, aucun relais réel',
    '/ Indicatif, QRA locator, Nom, Fréquence 1, Fréquence 2, Fréquence 3',
    '/ Une fréquence est en MHz ou nomme un canal de canaux.dat (R0..R7, RU692..) ; 0 = aucune',
    '/',
  ];
  const records = REPEATERS.map(([call, name, lon, lat, ...f]) => [call, locator(lon, lat), name, ...f].join(','));
  writeDataFile(file, header, records);
  console.log(`${file}: ${records.length} repeaters`);
}

function writeChannels(file) {
  const header = ['/ Fichier des canaux', '/ Nom du canal (10 caractères au plus), Fréquence en MHz', '/'];
  const records = channels();
  writeDataFile(file, header, records);
  console.log(`${file}: ${records.length} channels`);
  return new Set(records.map((line) => line.split(',')[0]));
}

function main(omFile, repeaterFile, channelFile) {
  writeStations(omFile);
  writeRepeaters(repeaterFile, writeChannels(channelFile));
}

main(...process.argv.slice(2));
