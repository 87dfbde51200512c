// What a frame's picture shows: colours, pixels, the exhaust plume, change between two. A
// picture is { width, height, data } with RGBA rows from the top, as Session.picture reads it.
'use strict';

// The number of different colours: a blank canvas has one, a drawn scene thousands.
function colours(picture) {
  const seen = new Set();
  const d = picture.data;
  for (let i = 0; i < d.length; i += 4)
    seen.add((d[i] << 16) | (d[i + 1] << 8) | d[i + 2]);
  return seen.size;
}

function pixel(picture, x, y) {
  const i = (y * picture.width + x) * 4;
  return [picture.data[i], picture.data[i + 1], picture.data[i + 2]];
}

// Warm bright pixels just under the lander in the middle of the main view: the exhaust plume.
// Nothing else there is both bright and dust-coloured. The same region and rule as the
// desktop's end-to-end test.
function plumePixels(picture) {
  let count = 0;
  for (let y = 195; y < 265 && y < picture.height; y++) {
    for (let x = 285; x < 385 && x < picture.width; x++) {
      const [r, g, b] = pixel(picture, x, y).map((v) => v / 255);
      if (r > 0.5 && g > 0.38 && r - b > 0.1)
        count++;
    }
  }
  return count;
}

// Pixels that differ by more than fuzz (a fraction of full scale) in some channel.
function changedPixels(a, b, fuzz) {
  if (a.width !== b.width || a.height !== b.height)
    return a.width * a.height;
  const limit = fuzz * 255;
  let count = 0;
  for (let i = 0; i < a.data.length; i += 4) {
    if (Math.abs(a.data[i] - b.data[i]) > limit || Math.abs(a.data[i + 1] - b.data[i + 1]) > limit ||
        Math.abs(a.data[i + 2] - b.data[i + 2]) > limit)
      count++;
  }
  return count;
}

module.exports = { colours, pixel, plumePixels, changedPixels };
