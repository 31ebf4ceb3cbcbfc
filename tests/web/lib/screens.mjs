// Compares two scenes of 512 × 384 RGBA pixels, telling how many differ and by how much.
export function compareScreens(expected, shown) {
  let pixels = 0;
  let largest = 0;
  let total = 0;
  const count = Math.min(expected.length, shown.length) / 4;
  for (let i = 0; i < count; i += 1) {
    let differs = false;
    for (let c = 0; c < 3; c += 1) {
      const d = Math.abs(expected[i * 4 + c] - shown[i * 4 + c]);
      if (d > 0) differs = true;
      largest = Math.max(largest, d);
      total += d;
    }
    if (differs) pixels += 1;
  }
  if (expected.length !== shown.length) pixels = Math.max(pixels, 1);
  const summary = pixels === 0
    ? 'the same pixels'
    : `${pixels} of ${count} pixels differ, by at most ${largest}, ` +
      `${(total / (count * 3)).toFixed(3)} on average per channel`;
  return { pixels, largest, summary };
}
