// The page's window: the main window's commands, its menus and keys, the
// message boxes and the About window. Every conversion is the core's
// (mensurex.wasm); this script only reads the controls, hands the entry to
// the core and writes back what it answers.
'use strict';

(() => {
  const root = document.documentElement;
  const byId = (id) => document.getElementById(id);
  // The entry holds at most this many characters, as the desktop's does.
  const kMaxEntryLength = 32767;
  const kRightToLeft = new Set(['ar', 'fa', 'he']);
  const kVersion = '2.0';

  const txtEntry = byId('txtEntry');
  const units = [...document.querySelectorAll('input[name="optMeasure"]')];
  const resultBoxes = ['txtByteResult', 'txtKiloResult', 'txtMegaResult', 'txtGigaResult',
    'txtTeraResult', 'txtPetaResult', 'txtExaResult'].map(byId);
  const messageBox = byId('messageBox');
  const frmAbout = byId('frmAbout');

  const encoder = new TextEncoder();
  let core = null;
  let texts = {};
  let numbers = null;

  // --- Language -----------------------------------------------------------

  // The first of the user's languages (or ?lang=) that the program speaks,
  // matched by language and region, then by language alone. `locale` writes
  // the numbers: the user's own where the browser chose the language, the
  // language's usual one where the address did.
  function chooseLanguage() {
    const offered = new Map(root.dataset.languages.split(' ').filter(Boolean)
      .map((pair) => pair.split(':')));
    const asked = new URLSearchParams(location.search).get('lang');
    const wanted = asked ? [asked] : (navigator.languages || [navigator.language]);
    for (const tag of wanted) {
      const name = String(tag).replace('-', '_');
      const base = name.split('_')[0].toLowerCase();
      const found = offered.has(name) ? name :
        [...offered.keys()].find((key) => key === base || key.startsWith(base + '_'));
      if (base === 'en') break;
      if (found) return { language: found, locale: asked ? offered.get(found) : tag };
    }
    return { language: null, locale: asked ? 'en-US' : wanted[0] || 'en-US' };
  }

  function tr(context, source, comment) {
    const table = texts[context] || {};
    return table[comment ? source + '\u0004' + comment : source] || source;
  }

  // A caption with its access key: "C&alculate" shows "Calculate" with the
  // "a" underlined, and Alt+A (or the letter in an open menu) presses it.
  function setCaption(element, caption) {
    element.textContent = '';
    let key = '';
    for (let i = 0; i < caption.length; ++i) {
      if (caption[i] === '&' && i + 1 < caption.length) {
        ++i;
        if (caption[i] !== '&' && !key) {
          key = caption[i];
          const underlined = document.createElement('span');
          underlined.className = 'key';
          underlined.textContent = key;
          element.append(underlined);
          continue;
        }
      }
      element.append(caption[i]);
    }
    if (key) element.dataset.key = key.toLocaleLowerCase();
    else delete element.dataset.key;
  }

  function applyTexts() {
    const contexts = { main: 'frmMain', about: 'frmAbout', shared: 'QPlatformTheme' };
    for (const [prefix, context] of Object.entries(contexts)) {
      for (const element of document.querySelectorAll(`[data-${prefix}]`)) {
        setCaption(element, tr(context, element.dataset[prefix], element.dataset.comment));
      }
      for (const [suffix, attribute] of [['Title', 'title'], ['Label', 'aria-label'],
        ['Description', 'aria-description']]) {
        for (const element of document.querySelectorAll(`[data-${prefix}-${suffix.toLowerCase()}]`)) {
          element.setAttribute(attribute, tr(context, element.dataset[prefix + suffix]));
        }
      }
    }
  }

  // --- Message boxes --------------------------------------------------------

  // Shows a modal message with OK, captioned with the application title;
  // `closed` runs once it is gone, whichever way.
  function openMessage(prompt, closed) {
    byId('messagePrompt').textContent = prompt;
    messageBox.addEventListener('close', () => closed && closed(), { once: true });
    messageBox.showModal();
    byId('messageOK').focus();
  }

  function textOf(id) {
    return byId(id).textContent;
  }

  // --- Commands -------------------------------------------------------------

  function selectedUnit() {
    const index = units.findIndex((unit) => unit.checked);
    return index < 0 ? 1 : index;
  }

  function Calculate() {
    // As UTF-8 bytes, which the browser encodes natively: the module's own
    // copying of a JavaScript string takes seconds for a 10 MB entry.
    const answer = core.convert(selectedUnit(), encoder.encode(txtEntry.value), numbers);
    if (!answer.texts) return answer.failure;
    answer.texts.forEach((text, index) => {
      resultBoxes[index].value = text;
      // The leading digits of a text longer than its box.
      resultBoxes[index].scrollLeft = 0;
    });
    return null;
  }

  function cmdCalculate_Click() {
    const failure = Calculate();
    if (!failure) return;
    // Nothing was written: the user keeps what is on screen and can correct
    // the entry.
    openMessage(textOf(failure === 'overflow' ? 'textOverflow' : 'textRefusal'), () => {
      txtEntry.focus();
      txtEntry.setSelectionRange(0, txtEntry.value.length);
    });
  }

  function cmdClear_Click() {
    txtEntry.value = '';
    // Byte, kilo, giga, mega, then tera to exa.
    for (const index of [0, 1, 3, 2, 4, 5, 6]) resultBoxes[index].value = '';
    txtEntry.focus();
  }

  // A page can close only a window that a script opened; any other it
  // leaves for an empty page, which ends the program as far as a page can.
  function endProgram() {
    window.close();
    location.replace('about:blank');
  }

  function mnuInstructions_Click() {
    openMessage(core.inLocaleDigits(textOf('textInstructions'), numbers.zero));
  }

  // The browser's printing: it always shows its print dialog first, and it
  // tells the page nothing of how the job went.
  function PrintForm() {
    window.print();
  }

  // The version as the results write a number where the locale has digits
  // of its own: "۲٫۰" under fa-IR; elsewhere "2.0", never "2,0".
  function versionText() {
    const version = numbers.zero === 0x30 ? kVersion : kVersion.replace('.', numbers.decimal);
    return core.inLocaleDigits(version, numbers.zero);
  }

  function mnuAbout_Click() {
    const title = byId('messageCaption').textContent;
    // Form_Load: the same texts at every opening.
    byId('frmAboutCaption').textContent = textOf('textAboutCaption').replace('%1', title);
    byId('lblTitle').textContent = title;
    byId('lblVersion').textContent = tr('frmAbout', 'Version %1').replace('%1', versionText());
    frmAbout.showModal();
    byId('cmdOK').focus();
  }

  const commands = {
    cmdCalculate: cmdCalculate_Click,
    mnuCalculate: cmdCalculate_Click,
    cmdClear: cmdClear_Click,
    cmdClose: endProgram,
    mnuExit: endProgram,
    cmdPrintForm: PrintForm,
    mnuPrintForm: PrintForm,
    mnuInstructions: mnuInstructions_Click,
    mnuAbout: mnuAbout_Click,
  };

  // --- Menus: the WAI-ARIA menubar pattern ------------------------------------

  const menuButtons = [byId('mnuFile'), byId('mnuHelp')];
  let focusBeforeMenu = null;

  const popupOf = (button) => byId(button.getAttribute('aria-controls'));
  const itemsOf = (button) => [...popupOf(button).querySelectorAll('[role="menuitem"]')];
  const openButton = () => menuButtons.find((b) => b.getAttribute('aria-expanded') === 'true');

  function closeMenus() {
    for (const button of menuButtons) {
      button.setAttribute('aria-expanded', 'false');
      popupOf(button).hidden = true;
    }
  }

  function openMenu(button, focusItem = 0) {
    if (!focusBeforeMenu) {
      const active = document.activeElement;
      focusBeforeMenu = active && !active.closest('#menuBar') ? active : txtEntry;
    }
    closeMenus();
    button.setAttribute('aria-expanded', 'true');
    popupOf(button).hidden = false;
    const items = itemsOf(button);
    items[(focusItem + items.length) % items.length].focus();
  }

  function leaveMenus() {
    closeMenus();
    const back = focusBeforeMenu || txtEntry;
    focusBeforeMenu = null;
    back.focus();
  }

  function runMenuItem(item) {
    leaveMenus();
    commands[item.id]();
  }

  function menuBarKeyDown(event) {
    const button = event.target.closest('[aria-haspopup]') || openButton();
    if (!button) return;
    const index = menuButtons.indexOf(button);
    const item = event.target.closest('.item');
    const step = (delta) => menuButtons[(index + delta + menuButtons.length) % menuButtons.length];
    const forward = root.dir === 'rtl' ? 'ArrowLeft' : 'ArrowRight';
    const backward = root.dir === 'rtl' ? 'ArrowRight' : 'ArrowLeft';
    let handled = true;
    if (event.key === forward) openMenu(step(1));
    else if (event.key === backward) openMenu(step(-1));
    else if (event.key === 'Escape') {
      if (item) {
        closeMenus();
        button.focus();
      } else leaveMenus();
    } else if (event.key === 'Tab') {
      leaveMenus();
    } else if (!item) {
      if (['ArrowDown', 'Enter', ' '].includes(event.key)) openMenu(button);
      else if (event.key === 'ArrowUp') openMenu(button, -1);
      else handled = false;
    } else {
      const items = itemsOf(button);
      const at = items.indexOf(item);
      const letter = event.key.length === 1 ? event.key.toLocaleLowerCase() : '';
      const keyed = letter && items.find((candidate) => candidate.dataset.key === letter);
      if (event.key === 'ArrowDown') items[(at + 1) % items.length].focus();
      else if (event.key === 'ArrowUp') items[(at - 1 + items.length) % items.length].focus();
      else if (event.key === 'Home') items[0].focus();
      else if (event.key === 'End') items[items.length - 1].focus();
      else if (event.key === 'Enter' || event.key === ' ') runMenuItem(item);
      else if (keyed) runMenuItem(keyed);
      else handled = false;
    }
    if (handled) event.preventDefault();
  }

  function wireMenus() {
    const menuBar = byId('menuBar');
    menuBar.addEventListener('keydown', menuBarKeyDown);
    for (const button of menuButtons) {
      // Pressed, not released: the menu opens as the mouse goes down.
      button.addEventListener('mousedown', (event) => {
        event.preventDefault();
        if (openButton() === button) leaveMenus();
        else openMenu(button);
      });
      button.addEventListener('mouseenter', () => {
        if (openButton() && openButton() !== button) openMenu(button);
      });
      for (const item of itemsOf(button)) {
        item.addEventListener('click', () => runMenuItem(item));
        item.addEventListener('mousemove', () => item.focus());
      }
    }
    document.addEventListener('mousedown', (event) => {
      if (openButton() && !event.target.closest('#menuBar')) leaveMenus();
    });
  }

  // --- Keys ------------------------------------------------------------------

  const isEnter = (event) => event.key === 'Enter' && !event.isComposing;

  // Alt with an underlined letter presses its button or opens its menu;
  // nothing else in the window answers to Alt.
  function accessKeyDown(event) {
    if (!event.altKey || event.ctrlKey || event.metaKey || event.key.length !== 1) return;
    if (document.querySelector('dialog[open]')) return;
    const letter = event.key.toLocaleLowerCase();
    const target = ['cmdCalculate', 'cmdPrintForm', 'cmdClose', 'mnuFile', 'mnuHelp'].map(byId)
      .find((element) => element.dataset.key === letter);
    if (!target) return;
    event.preventDefault();
    if (menuButtons.includes(target)) openMenu(target);
    else commands[target.id]();
  }

  // The entry refuses, whole, an edit that would pass its length; a paste
  // or drop so refused says why, since cutting it could change its number.
  function entryBeforeInput(event) {
    if (!event.inputType.startsWith('insert')) return;
    const added = event.data !== null ? event.data :
      (event.dataTransfer ? event.dataTransfer.getData('text/plain') : '');
    const selected = txtEntry.selectionEnd - txtEntry.selectionStart;
    if (txtEntry.value.length - selected + added.length <= kMaxEntryLength) return;
    event.preventDefault();
    if (event.inputType === 'insertFromPaste' || event.inputType === 'insertFromDrop') {
      openMessage(textOf('textPasteRefused'), () => txtEntry.focus());
    }
  }

  function wireWindow() {
    for (const [id, command] of Object.entries(commands)) {
      if (id.startsWith('cmd')) byId(id).addEventListener('click', command);
    }
    // Enter in the entry or on a unit button calculates, whatever the
    // modifiers. Handled here, so that the key does not go on to the
    // message box that the command may open.
    for (const control of [txtEntry, ...units]) {
      control.addEventListener('keydown', (event) => {
        if (!isEnter(event)) return;
        event.preventDefault();
        cmdCalculate_Click();
      });
    }
    txtEntry.addEventListener('beforeinput', entryBeforeInput);
    document.addEventListener('keydown', accessKeyDown);
    byId('messageOK').addEventListener('click', () => messageBox.close());
    // OK is the About window's default and its cancel button: Enter
    // anywhere in it closes it, and so does Escape (the dialog's cancel).
    byId('cmdOK').addEventListener('click', () => frmAbout.close());
    frmAbout.addEventListener('keydown', (event) => {
      if (!isEnter(event)) return;
      event.preventDefault();
      frmAbout.close();
    });
    wireMenus();
  }

  // --- Start-up --------------------------------------------------------------

  async function start() {
    const chosen = chooseLanguage();
    numbers = mensurexNumberConventions(chosen.locale);
    const loading = chosen.language ?
      fetch(`lang/${chosen.language}.json`).then((response) => response.json()) :
      Promise.resolve({});
    [core, texts] = await Promise.all([createMensurex(), loading]);
    if (chosen.language) {
      root.lang = chosen.language.replace('_', '-');
      root.dir = kRightToLeft.has(chosen.language.split('_')[0]) ? 'rtl' : 'ltr';
    }
    applyTexts();
    wireWindow();
    // Form_Load: Kilobytes, empty boxes, the caret in the entry.
    units[1].checked = true;
    txtEntry.focus();
    root.dataset.ready = '';
    performance.mark('mensurex-ready');
  }

  // Offline: the worker keeps the site, and the texts of this language.
  function keepOffline(language) {
    if (!('serviceWorker' in navigator) || location.protocol === 'file:') return;
    navigator.serviceWorker.register('sw.js').catch(() => {});
    if (!language) return;
    navigator.serviceWorker.ready.then((registration) => {
      registration.active.postMessage({ keep: `lang/${language}.json` });
    });
  }

  start().then(() => keepOffline(chooseLanguage().language));
})();
