// The page: builds each screen from its description, reports the user's clicks
// and typing to the core, and shows what the core answers. No arithmetic here.
'use strict';

(function () {
  const TWIPS_PER_PIXEL = 15; // 1440 twips an inch, 96 pixels an inch
  const STORE_PREFIX = 'entalix:';
  const NARROW = window.matchMedia('(max-width: 640px)');
  const timings = { firstScreen: null, presses: [] };
  window.entalixTimings = timings;

  let api = null;
  const built = new Map(); // screen name -> { desc, root, controls: Map(name -> element) }
  let state = null;
  let shownScreen = null;

  // ---- the browser's local storage, for what the core keeps
  function keptValues() {
    const out = {};
    try {
      for (let i = 0; i < localStorage.length; i++) {
        const key = localStorage.key(i);
        if (key && key.startsWith(STORE_PREFIX)) out[key.slice(STORE_PREFIX.length)] = localStorage.getItem(key);
      }
    } catch (e) { /* storage refused (a private window): the defaults stand */ }
    return out;
  }

  function save(store) {
    if (!store) return;
    try {
      const stale = [];
      for (let i = 0; i < localStorage.length; i++) {
        const key = localStorage.key(i);
        if (key && key.startsWith(STORE_PREFIX) && !(key.slice(STORE_PREFIX.length) in store)) stale.push(key);
      }
      stale.forEach((key) => localStorage.removeItem(key));
      for (const [key, value] of Object.entries(store)) localStorage.setItem(STORE_PREFIX + key, value);
    } catch (e) { /* storage full or refused: the page goes on */ }
  }

  // ---- the clipboard, also from a page opened as a file
  function copyText(text) {
    const fallback = () => {
      const area = document.createElement('textarea');
      area.value = text;
      area.style.position = 'fixed';
      area.style.opacity = '0';
      document.body.appendChild(area);
      area.select();
      try { document.execCommand('copy'); } catch (e) { /* nothing to do */ }
      area.remove();
    };
    if (navigator.clipboard && window.isSecureContext) navigator.clipboard.writeText(text).catch(fallback);
    else fallback();
    toast('已复制');
  }

  let toastTimer = 0;
  function toast(text) {
    const t = document.getElementById('toast');
    t.textContent = text;
    t.hidden = false;
    clearTimeout(toastTimer);
    toastTimer = setTimeout(() => { t.hidden = true; }, 1200);
  }

  // ---- one call to the core, and what it answers shown
  function run(fn, ...args) {
    const begin = performance.now();
    const answer = JSON.parse(fn(...args));
    const computed = performance.now() - begin;
    if (answer.error) throw new Error(answer.error);
    state = answer;
    save(answer.store);
    render();
    timings.presses.push({ core: computed, total: performance.now() - begin });
    if (timings.presses.length > 200) timings.presses.shift();
  }

  const px = (twips) => Math.round(twips / TWIPS_PER_PIXEL);

  function controlDesc(screen, name) {
    return built.get(screen).desc.controls.find((c) => c.name === name);
  }

  function tooltipOf(c) {
    if (state && state.formulation === 'IAPWS-IF97' && c.tooltip_if97) return c.tooltip_if97;
    return c.tooltip || '';
  }

  function place(el, c, parentRect) {
    const [left, top, width, height] = c.rect;
    el.style.left = px(left - (parentRect ? parentRect[0] : 0)) + 'px';
    el.style.top = px(top - (parentRect ? parentRect[1] : 0)) + 'px';
    el.style.width = px(width) + 'px';
    el.style.height = px(height) + 'px';
    el.style.setProperty('--w', px(width) + 'px');
    el.style.setProperty('--h', px(height) + 'px');
  }

  function makeControl(screen, c) {
    let el;
    switch (c.kind) {
      case 'text': {
        el = document.createElement('input');
        el.type = 'text';
        el.autocomplete = 'off';
        el.spellcheck = false;
        if (c.role === 'input' || c.role === 'atmospheric') el.inputMode = 'decimal';
        if (c.role === 'result') el.readOnly = true;
        el.addEventListener('input', () => run(api.type, screen, c.name, el.value));
        el.addEventListener('keydown', (e) => {
          if (e.key !== 'Enter') return;
          e.preventDefault();
          const button = built.get(screen).desc.enter[c.name];
          if (button && state.screens[screen] && state.screens[screen].shown[button]) press(screen, button);
        });
        break;
      }
      case 'button':
        el = document.createElement('button');
        el.type = 'button';
        el.textContent = c.text;
        el.addEventListener('click', () => press(screen, c.name));
        break;
      case 'check': {
        el = document.createElement('label');
        const box = document.createElement('input');
        box.type = 'checkbox';
        box.addEventListener('click', (e) => { e.preventDefault(); press(screen, c.name); });
        el.appendChild(box);
        el.appendChild(document.createTextNode(c.text));
        el.box = box;
        break;
      }
      case 'combo':
        el = document.createElement('select');
        for (const choice of c.choices) {
          const option = document.createElement('option');
          option.textContent = choice;
          el.appendChild(option);
        }
        el.addEventListener('change', () => run(api.choose, screen, c.name, el.value));
        break;
      case 'picture':
        el = document.createElement('div');
        el.className = 'picture';
        el.innerHTML = c.svg || '';
        if (c.drag) dragRectangle(screen, c, el);
        break;
      default:
        el = document.createElement('div');
        el.textContent = c.text;
        if (c.role === 'result') {
          el.tabIndex = -1;
          el.addEventListener('click', () => { if (el.textContent) copyText(el.textContent); });
        }
    }
    el.classList.add('ctl', 'k-' + c.kind, 'a-' + c.align);
    if (c.role) el.classList.add('r-' + c.role);
    if (c.red) el.classList.add('red');
    if (c.border) el.classList.add('border');
    if (c.heading) el.classList.add('heading');
    if (c.message) el.classList.add('message');
    el.dataset.name = c.name;
    const tip = tooltipOf(c) || (c.role === 'result' && c.quantity ? c.quantity + (c.unit ? '（' + c.unit + '）' : '') + '\n点击复制' : '');
    if (tip) el.title = tip;
    return el;
  }

  // A drag over a chart marks a rectangle in the drawing's own pixels.
  function dragRectangle(screen, c, el) {
    let from = null;
    const at = (e) => {
      const svg = el.querySelector('svg');
      if (!svg) return null;
      const box = svg.getBoundingClientRect();
      const view = svg.viewBox.baseVal;
      return [(e.clientX - box.left) * view.width / box.width, (e.clientY - box.top) * view.height / box.height];
    };
    el.addEventListener('pointerdown', (e) => { from = at(e); });
    el.addEventListener('pointerup', (e) => {
      const to = at(e);
      if (from && to) run(api.drag, screen, c.name, [from[0], from[1], to[0], to[1]].map((v) => v.toFixed(1)).join(' '));
      from = null;
    });
  }

  function press(screen, name) {
    run(api.click, screen, name);
  }

  function build(screen) {
    const desc = JSON.parse(api.describe(screen));
    const root = document.createElement('section');
    root.className = 'screen';
    root.dataset.screen = screen;
    root.hidden = true;
    const bar = document.createElement('div');
    bar.className = 'screen-bar';
    const copyAll = document.createElement('button');
    copyAll.type = 'button';
    copyAll.className = 'copy-all';
    copyAll.textContent = '复制全部结果';
    copyAll.title = '复制本画面已算出的全部结果及其输入（Ctrl+Shift+C）';
    copyAll.addEventListener('click', () => {
      const s = state.screens[screen];
      if (s && s.results) copyText(s.results);
    });
    bar.appendChild(copyAll);
    root.appendChild(bar);
    const area = document.createElement('div');
    area.className = 'area';
    area.style.width = px(desc.width) + 'px';
    area.style.height = px(desc.height) + 'px';
    root.appendChild(area);
    const controls = new Map();
    const rects = new Map(desc.controls.map((c) => [c.name, c.rect]));
    // Rows in reading order, for the narrow page: controls whose tops lie close
    // together share a row (a caption, its field and its unit), left to right.
    const rowOf = new Map();
    const rows = [];
    // Buttons keep to rows of buttons: one that stands beside several fields
    // would split a field from its caption.
    const middle = (c) => c.rect[1] + c.rect[3] / 2;
    const tops = desc.controls.filter((c) => !c.parent).slice().sort((a, b) => middle(a) - middle(b) || a.rect[0] - b.rect[0]);
    for (const c of tops) {
      const button = c.kind === 'button';
      let row = rows.find((r) => c.kind !== 'picture' && !r.picture && r.button === button && Math.abs(r.middle - middle(c)) <= 150);
      if (!row) {
        row = { middle: middle(c), button, picture: c.kind === 'picture', el: document.createElement('div'), members: [] };
        row.el.className = 'row';
        rows.push(row);
      }
      row.members.push(c);
      rowOf.set(c.name, row);
    }
    rows.forEach((r) => r.members.sort((a, b) => a.rect[0] - b.rect[0]));
    const made = new Map();
    for (const c of desc.controls) {
      const el = makeControl(screen, c);
      controls.set(c.name, el);
      made.set(c.name, el);
      if (c.parent && controls.has(c.parent)) {
        place(el, c, rects.get(c.parent));
        controls.get(c.parent).appendChild(el);
      } else {
        place(el, c, null);
      }
    }
    for (const r of rows) {
      for (const c of r.members) r.el.appendChild(made.get(c.name));
      area.appendChild(r.el);
    }
    desc.tab.forEach((name, i) => {
      const el = controls.get(name);
      if (el) (el.box || el).tabIndex = i + 1;
    });
    document.getElementById('screens').appendChild(root);
    const entry = { desc, root, controls };
    built.set(screen, entry);
    return entry;
  }

  function render() {
    const visible = state.visible;
    const screen = visible[visible.length - 1];
    document.getElementById('loading')?.remove();
    for (const name of visible) {
      const entry = built.get(name) || build(name);
      const s = state.screens[name];
      for (const [control, el] of entry.controls) {
        const c = controlDesc(name, control);
        const text = s.texts[control];
        if (c.kind === 'text') {
          if (el.value !== text) el.value = text;
        } else if (c.kind === 'check') {
          el.box.checked = text === '1';
        } else if (c.kind === 'combo') {
          if (el.value !== text) el.value = text;
        } else if (c.kind === 'label') {
          if (el.textContent !== text) el.textContent = text;
        }
        el.hidden = s.shown[control] === false;
        if (c.role === 'result') el.classList.toggle('stale', s.stale.includes(control));
        if (c.message) el.style.color = s.colour;
        if (c.tooltip_if97) el.title = tooltipOf(c);
      }
      for (const [box, svg] of Object.entries(s.pictures)) {
        const el = entry.controls.get(box);
        const old = el.querySelector('svg');
        const holder = document.createElement('div');
        holder.innerHTML = svg;
        if (old) old.replaceWith(holder.firstElementChild);
        else el.prepend(holder.firstElementChild);
      }
      entry.root.querySelector('.copy-all').hidden = !s.results;
    }
    for (const [name, entry] of built) entry.root.hidden = name !== screen;
    if (screen) {
      const title = state.screens[screen].title;
      document.getElementById('title').textContent = title;
      document.title = title + ' — Entalix';
    }
    if (screen !== shownScreen) {
      const first = shownScreen === null;
      if (!first && screen !== 'Form1') history.pushState({ screen }, '');
      shownScreen = screen;
      fit();
      if (!NARROW.matches) {
        const entry = built.get(screen);
        const field = entry.desc.tab.map((n) => entry.controls.get(n)).find((el) => el && !el.hidden && el.tagName === 'INPUT');
        if (field) field.focus();
      }
      if (first) timings.firstScreen = performance.now(); // since the file began to load
    }
  }

  // The desktop layout follows the screen's geometry; a narrow screen gets one
  // column, with the plant drawings scaled to its width.
  function fit() {
    document.body.classList.toggle('narrow', NARROW.matches);
    for (const [, entry] of built) {
      for (const [name, el] of entry.controls) {
        const c = controlDesc(entry.desc.name, name);
        if (c.kind !== 'picture' || c.parent) continue;
        const width = px(c.rect[2]);
        const room = document.documentElement.clientWidth - 16;
        el.style.zoom = NARROW.matches && width > room ? String(room / width) : '';
      }
    }
  }

  function closeShown() {
    if (shownScreen && shownScreen !== 'Form1') run(api.close, shownScreen);
  }

  // ---- the batch pane
  function batchPane() {
    const pane = document.getElementById('batch');
    const main = document.getElementById('screens');
    const out = document.getElementById('batch-out');
    document.getElementById('batch-open').addEventListener('click', () => { pane.hidden = false; main.hidden = true; });
    document.getElementById('batch-close').addEventListener('click', () => { pane.hidden = true; main.hidden = false; });
    document.getElementById('batch-run').addEventListener('click', () => {
      const text = document.getElementById('batch-in').value;
      const csv = document.getElementById('batch-kind').value === 'csv';
      const target = document.getElementById('batch-target').value;
      out.value = csv ? api.csv(target, text, state.formulation) : api.batch(text, state.formulation);
    });
    document.getElementById('batch-copy').addEventListener('click', () => copyText(out.value));
    document.getElementById('batch-save').addEventListener('click', () => {
      const csv = document.getElementById('batch-kind').value === 'csv';
      const link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([csv ? '\ufeff' + out.value : out.value], { type: 'text/plain' }));
      link.download = csv ? 'entalix-结果.csv' : 'entalix-结果.jsonl';
      link.click();
      setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    });
  }

  document.addEventListener('keydown', (e) => {
    if (e.key === 'Escape') {
      e.preventDefault();
      if (!document.getElementById('batch').hidden) document.getElementById('batch-close').click();
      else closeShown();
    } else if (e.key === 'C' && e.ctrlKey && e.shiftKey && shownScreen) {
      e.preventDefault();
      const s = state.screens[shownScreen];
      if (s && s.results) copyText(s.results);
    }
  });
  window.addEventListener('popstate', closeShown);
  window.addEventListener('pagehide', () => { if (api) run(api.leave); });
  document.addEventListener('visibilitychange', () => { if (api && document.hidden) run(api.leave); });
  NARROW.addEventListener('change', fit);
  window.addEventListener('resize', fit);

  EntalixCore().then((core) => {
    const wrap = (name, n) => core.cwrap(name, 'string', Array(n).fill('string'));
    api = {
      start: wrap('entalix_start', 1),
      describe: wrap('entalix_describe', 1),
      click: wrap('entalix_click', 2),
      type: wrap('entalix_type', 3),
      choose: wrap('entalix_choose', 3),
      drag: wrap('entalix_drag', 3),
      close: wrap('entalix_close', 1),
      leave: wrap('entalix_leave', 0),
      batch: wrap('entalix_batch', 2),
      csv: wrap('entalix_csv', 3),
    };
    window.entalix = { api, state: () => state, press, run };
    batchPane();
    run(api.start, JSON.stringify(keptValues()));
  });
})();
