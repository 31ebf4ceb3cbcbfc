// The page's own words in the language in force. The module sends them with the stage's
// (src/web/page_words.cpp): in English, each by its name; in Japanese none, and the page keeps
// the words it was written with. What the page says before the module runs it says itself,
// in the language asked for (?lang=) or the one the player last played in.

// Where the language last played in is kept for the next start.
const KEPT_LANGUAGE = 'hazama-language';

const BOOT_WORDS = {
  ja: {
    'no-wasm': 'このブラウザでは遊べません: WebAssembly が必要です。',
    'no-files': 'ゲームのファイルを読み込めません: %1',
    'no-start': 'ゲームを始められません: %1',
    storage: 'ブラウザの保存領域を使えません。このまま遊べますが、セーブは残りません。',
  },
  en: {
    'no-wasm': 'Hazama cannot be played in this browser: it needs WebAssembly.',
    'no-files': 'The game’s files cannot be loaded: %1',
    'no-start': 'The game cannot start: %1',
    storage: 'The browser’s storage cannot be used. You can play on, but nothing will be saved.',
  },
};

// The window's local storage, or null where it is refused (some private windows throw).
function localStore(window) {
  try {
    return window?.localStorage ?? null;
  } catch {
    return null;
  }
}

// 'en' or 'ja': as the address asks, else as last played, else Japanese.
export function startLanguage(window) {
  const asked = new URLSearchParams(window.location.search).get('lang');
  if (asked === 'en' || asked === 'ja') return asked;
  try {
    return localStore(window)?.getItem(KEPT_LANGUAGE) === 'en' ? 'en' : 'ja';
  } catch {
    return 'ja';
  }
}

// A word of the page's before the module runs, `%1` filled in.
export function bootWord(language, name, detail = '') {
  return (BOOT_WORDS[language] ?? BOOT_WORDS.ja)[name].replace('%1', detail);
}

// The elements that carry a word of the page's: data-word for their text, data-word-label
// for their aria-label, data-word-alt for a picture's alt.
const CARRIERS = [['data-word', null], ['data-word-label', 'aria-label'], ['data-word-alt', 'alt']];

export class PageWords {
  constructor(document) {
    this.document = document;
    this.storage = localStore(document.defaultView);
    // A language the address asks for is that visit's, not the player's choice to keep.
    this.asked = new URLSearchParams(document.defaultView?.location.search ?? '').has('lang');
    this.words = {};
    this.written = new Map();  // each carrier's words as the page was written, in Japanese
  }

  // The words the module sent: every carrier shows its word, or its Japanese when none came.
  apply(words) {
    this.words = words ?? {};
    for (const [carrier, attribute] of CARRIERS) {
      for (const element of this.document.querySelectorAll(`[${carrier}]`)) {
        const key = `${carrier} ${attribute}`;
        let written = this.written.get(element);
        if (!written) this.written.set(element, written = {});
        if (!(key in written)) {
          written[key] = attribute ? element.getAttribute(attribute) : element.textContent;
        }
        const word = this.words[element.getAttribute(carrier)] ?? written[key];
        if (attribute) element.setAttribute(attribute, word);
        else if (element.textContent !== word) element.textContent = word;
      }
    }
    if (this.asked) return;
    try {
      this.storage?.setItem(KEPT_LANGUAGE, Object.keys(this.words).length > 0 ? 'en' : 'ja');
    } catch {
      // Not kept: the next start asks again.
    }
  }

  // The word named, or the page's Japanese for it, `%1` filled in.
  word(name, japanese, detail = '') {
    return (this.words[name] ?? japanese).replace('%1', detail);
  }
}
