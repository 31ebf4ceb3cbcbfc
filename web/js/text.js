// The game's texts as the window sets them: its CR LF line breaks and the dash drawn unbroken.

// The game writes line breaks as CR LF.
export function lineBreaks(text) {
  return text.replaceAll('\r\n', '\n');
}

// "――" is drawn as one unbroken line: each pair of horizontal bars becomes box-drawing lines,
// whose glyphs meet.
export function messageText(text) {
  const chars = Array.from(lineBreaks(text));
  for (let i = 0; i + 1 < chars.length; i += 1) {
    if ((chars[i] === '\u2015' || chars[i] === '\u2500') && chars[i + 1] === '\u2015') {
      chars[i] = '\u2500';
      chars[i + 1] = '\u2500';
    }
  }
  return chars.join('');
}

// The maker's notice: half a cell more after a sign the face sets in half of one.
export function noticeText(text) {
  return lineBreaks(text).replace(/([\u00a9\u00ae])/g, '$1 ');
}
