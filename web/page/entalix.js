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

  // A file for the person to keep, through the browser's downloads.
  function download(blob, name) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
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
        // The phone's number pad for a number field; the full keyboard where a minus may be typed.
        if (c.role === 'input' || c.role === 'atmospheric') el.inputMode = c.negative ? 'text' : 'decimal';
        if (c.role === 'result') el.readOnly = true;
        el.addEventListener('input', () => {
          el.edited = true;
          run(api.type, screen, c.name, el.value);
        });
        el.addEventListener('contextmenu', (e) => fieldMenu(e, screen, c, el));
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
        // A box drawn no wider than itself shows no caption: its field's caption stands beside it.
        if (c.rect[2] > 300) el.appendChild(document.createTextNode(c.text));
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
        el.addEventListener('contextmenu', (e) => chartMenu(e, el));
        break;
      default:
        el = document.createElement('div');
        el.textContent = c.text;
        if (c.role === 'result') {
          el.tabIndex = -1;
          el.addEventListener('click', () => { if (el.textContent) copyText(el.textContent); });
          el.addEventListener('contextmenu', (e) => fieldMenu(e, screen, c, el));
        }
    }
    el.classList.add('ctl', 'k-' + c.kind, 'a-' + c.align);
    if (c.role) el.classList.add('r-' + c.role);
    if (c.red) el.classList.add('red');
    if (c.border) el.classList.add('border');
    if (c.heading) el.classList.add('heading');
    if (c.message) el.classList.add('message');
    if (c.role === 'result' && c.kind === 'label' && c.rect[3] > 1000) el.classList.add('tall'); // a hint of several lines
    if (c.kind === 'label' && c.align === 'left' && c.rect[3] <= 300) el.classList.add('one-line'); // a unit
    if (c.kind === 'button' && c.rect[2] < 400) el.classList.add('slim'); // "↓", "↑"
    if (c.kind === 'label' && c.rect[3] > 600) el.classList.add('wrapped');
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
    el.addEventListener('pointerdown', (e) => { from = e.button === 0 ? at(e) : null; }); // not a right click
    el.addEventListener('pointerup', (e) => {
      const to = at(e);
      if (from && to) run(api.drag, screen, c.name, [from[0], from[1], to[0], to[1]].map((v) => v.toFixed(1)).join(' '));
      from = null;
    });
  }

  // ---- the right-click menus: a field's, as every host has it, and a chart's
  const menu = document.getElementById('menu');

  function closeMenu() { menu.hidden = true; }

  // items: { text, enabled, separator, run }
  function showMenu(items, x, y) {
    menu.replaceChildren();
    for (const item of items) {
      if (item.separator) menu.appendChild(document.createElement('hr'));
      const b = document.createElement('button');
      b.type = 'button';
      b.textContent = item.text;
      b.disabled = !item.enabled;
      if (item.action) b.dataset.action = item.action;
      b.addEventListener('mousedown', (e) => e.preventDefault()); // the field keeps its focus and selection
      b.addEventListener('click', () => { closeMenu(); item.run(); });
      menu.appendChild(b);
    }
    menu.hidden = false;
    const r = menu.getBoundingClientRect();
    menu.style.left = Math.max(0, Math.min(x, window.innerWidth - r.width)) + 'px';
    menu.style.top = Math.max(0, Math.min(y, window.innerHeight - r.height)) + 'px';
  }

  function menuPoint(e, el) {
    if (e.clientX || e.clientY) return [e.clientX, e.clientY];
    const r = el.getBoundingClientRect(); // from the keyboard
    return [r.left, r.bottom];
  }

  function labelSelection(el) {
    const sel = window.getSelection();
    return sel && sel.rangeCount && el.contains(sel.anchorNode) ? sel.toString() : '';
  }

  function fieldMenu(e, screen, c, el) {
    const input = el.tagName === 'INPUT' ? el : null;
    const selected = input ? input.value.slice(input.selectionStart, input.selectionEnd) : labelSelection(el);
    const text = input ? input.value : el.textContent;
    // What the clipboard holds a page learns only by reading it: Paste stays offered.
    const held = (input && input.edited ? 'u' : '') + (selected ? 's' : '') + (text ? 't' : '') + 'c';
    const items = JSON.parse(api.field_menu(screen, c.name, held));
    if (!items.length) return;
    e.preventDefault();
    const [x, y] = menuPoint(e, el);
    showMenu(items.map((item) => ({ ...item, run: () => fieldAction(item.action, screen, c, input, selected || text) })), x, y);
  }

  function fieldAction(action, screen, c, input, chosen) {
    if (action === 'copy_all_results') {
      const s = state.screens[screen];
      if (s && s.results) copyText(s.results);
    } else if (action === 'restore_default') {
      run(api.type, screen, c.name, c.text); // as if typed: every screen takes it, and it is kept
    } else if (action === 'copy') {
      if (chosen) copyText(chosen);
    } else if (input && !input.readOnly) {
      // The browser's own editing, so that the change arrives as typing does.
      input.focus();
      if (action === 'undo') document.execCommand('undo');
      else if (action === 'cut') {
        copyText(chosen);
        document.execCommand('delete');
      } else if (action === 'delete') document.execCommand('delete');
      else if (action === 'select_all') input.select();
      else if (action === 'paste') {
        const refused = () => toast('浏览器不允许网页读取剪贴板：请按 Ctrl+V 粘贴');
        if (!navigator.clipboard || !navigator.clipboard.readText) refused();
        else navigator.clipboard.readText().then((t) => { input.focus(); document.execCommand('insertText', false, t); }, refused);
      }
    } else if (input && action === 'select_all') input.select();
  }

  // A chart drawn by a press: its picture on a white ground at twice the
  // drawing's pixels, sharp when a report enlarges it.
  function chartPng(svg) {
    return new Promise((resolve, reject) => {
      const url = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
      const img = new Image();
      img.onload = () => {
        const scale = 2;
        const canvas = document.createElement('canvas');
        canvas.width = img.naturalWidth * scale;
        canvas.height = img.naturalHeight * scale;
        const g = canvas.getContext('2d');
        g.fillStyle = '#fff';
        g.fillRect(0, 0, canvas.width, canvas.height);
        g.drawImage(img, 0, 0, canvas.width, canvas.height);
        URL.revokeObjectURL(url);
        canvas.toBlob((b) => (b ? resolve(b) : reject(new Error('no PNG'))), 'image/png');
      };
      img.onerror = () => { URL.revokeObjectURL(url); reject(new Error('no picture')); };
      img.src = url;
    });
  }

  function chartMenu(e, el) {
    if (e.defaultPrevented || !el.chartSvg) return; // a field's own menu, or a plant drawing
    e.preventDefault();
    const svg = el.chartSvg;
    const copy = () => {
      const refused = () => toast('浏览器不允许网页复制图片：请用“保存为PNG…”');
      if (!navigator.clipboard || !navigator.clipboard.write || !window.ClipboardItem) return refused();
      navigator.clipboard.write([new ClipboardItem({ 'image/png': chartPng(svg) })]).then(() => toast('已复制图片'), refused);
    };
    const png = () => chartPng(svg).then((b) => download(b, '焓熵图.png'), () => toast('未能生成PNG图片'));
    const items = [
      { text: '复制图片', enabled: true, action: 'copy_image', run: copy },
      { text: '保存为PNG…', enabled: true, action: 'save_png', run: png },
      { text: '保存为SVG…', enabled: true, action: 'save_svg', run: () => download(new Blob([svg], { type: 'image/svg+xml' }), '焓熵图.svg') },
    ];
    const [x, y] = menuPoint(e, el);
    showMenu(items, x, y);
  }

  document.addEventListener('pointerdown', (e) => { if (!menu.hidden && !menu.contains(e.target)) closeMenu(); }, true);
  window.addEventListener('blur', closeMenu);
  document.addEventListener('scroll', closeMenu, true);

  // ---- the user guide, inside the page, at the screen's own section
  function openGuide(anchor) {
    const pane = document.getElementById('guide');
    const text = document.getElementById('guide-text');
    if (!text.firstChild) text.appendChild(document.getElementById('guide-source').content.cloneNode(true));
    closeMenu();
    pane.hidden = false;
    const heading = anchor ? text.querySelector('[id="' + CSS.escape(anchor) + '"]') : null;
    if (heading) heading.scrollIntoView({ block: 'start' });
    else text.scrollTop = 0;
    document.getElementById('guide-close').focus();
  }

  function closeGuide() {
    document.getElementById('guide').hidden = true;
  }

  function guidePane() {
    document.getElementById('guide-close').addEventListener('click', closeGuide);
    // The contents' links scroll the guide; the page's history is the screens'.
    document.getElementById('guide-text').addEventListener('click', (e) => {
      const link = e.target.closest('a[href^="#"]');
      if (!link) return;
      e.preventDefault();
      const id = decodeURIComponent(link.getAttribute('href').slice(1));
      const heading = document.getElementById('guide-text').querySelector('[id="' + CSS.escape(id) + '"]');
      if (heading) heading.scrollIntoView({ block: 'start' });
    });
  }

  function press(screen, name) {
    run(api.click, screen, name);
    // On a phone the message line may stand a screen's length below the
    // button: a refusal or a warning is brought into sight.
    const s = state.screens[screen];
    const entry = built.get(screen);
    if (NARROW.matches && s && s.message && entry) {
      const line = entry.desc.controls.find((c) => c.message);
      if (line) entry.controls.get(line.name).scrollIntoView({ block: 'nearest' });
    }
  }

  // The narrow page's rows, in reading order: a caption, its field and its unit
  // share a row. Calculations that stand side by side come whole, one below the
  // other, in the order of Tab (each with its captions, units and results),
  // between what stands above them and what they share.
  function narrowRows(desc) {
    // A plant drawing's fields come out of it, below the drawing, at a size
    // for a thumb; the drawing, scaled to the width, shows where they belong.
    const tops = desc.controls;
    const holders = new Set(desc.controls.map((c) => c.parent).filter((p) => p));
    const middle = (c) => (holders.has(c.name) ? c.rect[1] : c.rect[1] + c.rect[3] / 2);
    const right = (c) => c.rect[0] + c.rect[2];
    const plain = (c) => c.kind === 'label' && (!c.role || c.role === 'none') && !c.heading && !c.message;
    // Two controls on one line: the middle of either lies within the other's height.
    const inLine = (a, b) => (middle(a) >= b.rect[1] && middle(a) <= b.rect[1] + b.rect[3]) ||
      (middle(b) >= a.rect[1] && middle(b) <= a.rect[1] + a.rect[3]);
    // A caption or a unit belongs to the field, button or result it stands
    // next to on its line, with nothing between.
    const owner = new Map();
    for (const c of tops.filter(plain)) {
      const line = tops.filter((o) => o !== c && o.kind !== 'picture' && inLine(c, o));
      const before = line.filter((o) => right(o) <= c.rect[0] + 15).sort((a, b) => right(b) - right(a))[0];
      const after = line.filter((o) => o.rect[0] >= right(c) - 15).sort((a, b) => a.rect[0] - b.rect[0])[0];
      // A field before a button: "℃" closes its field's row, not the next button's.
      const gap = (o) => Math.max(o.rect[0] - right(c), c.rect[0] - right(o));
      const near = [after, before].filter((o) => o && !plain(o))
        .sort((a, b) => (a.kind === 'button') - (b.kind === 'button') || gap(a) - gap(b));
      if (near.length) owner.set(c.name, near[0]);
    }
    // The blocks: their own fields and buttons, the results their presses write.
    const blockOf = new Map();
    const extents = desc.blocks.map((members, b) => {
      const written = desc.events.filter((e) => members.some((m) => e.event === m + '_Click')).flatMap((e) => e.writes);
      const mine = members.concat(written.filter((w) => !desc.blocks.some((other, o) => o !== b &&
        desc.events.some((e) => other.some((m) => e.event === m + '_Click') && e.writes.includes(w)))));
      for (const name of mine) if (!blockOf.has(name)) blockOf.set(name, b);
      const rects = tops.filter((c) => members.includes(c.name)).map((c) => c.rect);
      return rects.length ? [Math.min(...rects.map((r) => r[0])), Math.min(...rects.map((r) => r[1])),
        Math.max(...rects.map((r) => r[0] + r[2])), Math.max(...rects.map((r) => r[1] + r[3]))] : null;
    });
    // A caption above a block's column (its "已知条件：") heads that block.
    const groupOf = (c) => {
      const o = owner.get(c.name) || c;
      if (blockOf.has(o.name)) return blockOf.get(o.name);
      if (o !== c || !plain(c)) return -1;
      const under = extents.map((e, b) => (e && middle(c) < e[3] && c.rect[0] < e[2] && right(c) > e[0] &&
        c.rect[0] + c.rect[2] / 2 >= e[0] && c.rect[0] + c.rect[2] / 2 <= e[2] ? b : -1)).filter((b) => b >= 0);
      return under.length === 1 ? under[0] : -1;
    };
    const blocksTop = Math.min(Infinity, ...extents.filter((e) => e).map((e) => e[1]));
    const groups = Array.from({ length: desc.blocks.length + 2 }, () => []);
    for (const c of tops) {
      const b = groupOf(c);
      if (b >= 0) groups[b + 1].push(c);
      else groups[middle(owner.get(c.name) || c) < blocksTop ? 0 : groups.length - 1].push(c);
    }
    // Fields side by side on one line, each with its own caption (two columns
    // of results), become lines of their own; a field without a caption (the
    // steam's beside the water's) stays beside the one before it.
    const field = (c) => ['text', 'combo'].includes(c.kind) || (c.kind === 'label' && c.role === 'result');
    const columns = (members) => {
      const lines = [[]];
      let hasField = false;
      members.forEach((c, i) => {
        if (field(c) && hasField && i > 0 && owner.get(members[i - 1].name) === c) {
          lines.push([lines[lines.length - 1].pop()]);
          hasField = false;
        }
        lines[lines.length - 1].push(c);
        if (field(c)) hasField = true;
      });
      return lines.filter((l) => l.length);
    };
    // The typed fields in the order of Tab (a column of one stream read whole
    // before the next); a button beside a field right after it; results,
    // captions and the other buttons after what stood before them.
    const tabIndex = new Map(desc.tab.map((name, i) => [name, i]));
    const tabSorted = (given) => {
      // Results in columns (a state's properties beside its transport
      // properties) read a column at a time, as the typed fields do.
      const lines = [];
      const resultLine = (l) => l.some((c) => c.role === 'result' && c.kind !== 'button') &&
        !l.some((c) => c.kind === 'button' || tabIndex.has(c.name));
      for (let i = 0; i < given.length;) {
        if (!resultLine(given[i])) { lines.push(given[i++]); continue; }
        const run = [];
        while (i < given.length && resultLine(given[i])) run.push(given[i++]);
        const lefts = [];
        const column = (l) => {
          const left = l.find((c) => c.role === 'result').rect[0];
          let k = lefts.findIndex((x) => Math.abs(x - left) <= 60);
          if (k < 0) k = lefts.push(left) - 1;
          return k;
        };
        lines.push(...run.map((l, j) => ({ l, j, k: column(l) })).sort((a, b) => a.k - b.k || a.j - b.j).map((x) => x.l));
      }
      let last = -1;
      const keyed = lines.map((line, i) => {
        const typed = line.filter((c) => c.kind !== 'button' && tabIndex.has(c.name)).map((c) => tabIndex.get(c.name));
        let key = typed.length ? Math.min(...typed) : -1;
        if (!typed.length && line.every((c) => c.kind === 'button')) {
          const beside = lines.find((l) => l !== line && l.some((c) => c.kind !== 'button' && tabIndex.has(c.name) &&
            right(c) <= line[0].rect[0] && line.some((b) => inLine(b, c))));
          if (beside) key = Math.min(...beside.filter((c) => tabIndex.has(c.name)).map((c) => tabIndex.get(c.name))) + 0.5;
        }
        if (key < 0) key = last + 0.5;
        last = Math.max(last, key);
        return { line, key, i };
      });
      return keyed.sort((a, b) => a.key - b.key || a.i - b.i).map((k) => k.line);
    };
    const rows = [];
    for (const group of groups) {
      // Buttons keep to rows of buttons: one that stands beside several fields
      // would split a field from its caption.
      // A drawing, and a box of several lines beside several fields, stand alone.
      const lead = group.filter((c) => !owner.has(c.name)).sort((a, b) => middle(a) - middle(b) || a.rect[0] - b.rect[0]);
      const own = [];
      for (const c of lead) {
        const button = c.kind === 'button';
        const alone = c.kind === 'picture' || (!button && c.rect[3] > 1000);
        let row = own.find((r) => !alone && !r.alone && r.button === button && Math.abs(r.middle - middle(c)) <= 150);
        if (!row) own.push((row = { middle: middle(c), button, alone, members: [] }));
        row.members.push(c);
      }
      for (const c of group.filter((x) => owner.has(x.name)))
        own.find((r) => r.members.includes(owner.get(c.name)))?.members.push(c);
      rows.push(...tabSorted(own.flatMap((r) => columns(r.members.sort((a, b) => a.rect[0] - b.rect[0])))));
    }
    // "返回" last, as Tab reaches it.
    const back = rows.findIndex((r) => r.some((c) => c.name === desc.back));
    if (back >= 0) rows.push(...rows.splice(back, 1));
    return rows;
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
    const help = document.createElement('button');
    help.type = 'button';
    help.className = 'help';
    help.textContent = '?';
    help.title = desc.help_tip;
    help.tabIndex = -1; // the keyboard has F1
    help.addEventListener('click', () => openGuide(desc.guide));
    const rects = new Map(desc.controls.map((c) => [c.name, c.rect]));
    const rows = narrowRows(desc);
    const made = new Map();
    const lines = [];
    for (const c of desc.controls) {
      const el = makeControl(screen, c);
      controls.set(c.name, el);
      made.set(c.name, el);
      if (c.parent && controls.has(c.parent)) {
        place(el, c, rects.get(c.parent));
        el.drawing = controls.get(c.parent);
        el.drawing.appendChild(el);
      } else {
        place(el, c, null);
      }
    }
    for (const members of rows) {
      const row = document.createElement('div');
      row.className = 'row';
      // Captions before the row's first field, units after its last: the narrow
      // page gives them a common width, so that the fields line up.
      const plain = (c) => c.kind === 'label' && c.role === 'none' && !c.heading && !c.message;
      const first = members.findIndex((c) => !plain(c));
      const last = members.length - 1 - [...members].reverse().findIndex((c) => !plain(c));
      members.forEach((c, i) => {
        const el = made.get(c.name);
        if (first > 0 && i < first) el.classList.add('lead');
        if (first >= 0 && i > last) el.classList.add('trail');
        if (!c.parent) row.appendChild(el);
      });
      area.appendChild(row);
      lines.push({ row, members: members.map((c) => made.get(c.name)) });
    }
    desc.tab.forEach((name, i) => {
      const el = controls.get(name);
      if (el) (el.box || el).tabIndex = i + 1;
    });
    document.getElementById('screens').appendChild(root);
    const entry = { desc, root, controls, help, bar, area, lines };
    placeHelp(entry);
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
        el.chartSvg = svg; // for the chart's menu
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

  // The "?" in the screen's corner, or in the corner of the drawing that
  // reaches there; on a phone beside the bar's button.
  function placeHelp(entry) {
    const holder = entry.desc.help_in ? entry.controls.get(entry.desc.help_in) : null;
    const to = NARROW.matches ? entry.bar : holder || entry.area;
    if (entry.help.parentNode !== to) to.appendChild(entry.help);
  }

  // The desktop layout follows the screen's geometry; a narrow screen gets one
  // column, with the plant drawings scaled to its width.
  function fit() {
    document.body.classList.toggle('narrow', NARROW.matches);
    for (const [, entry] of built) {
      placeHelp(entry);
      // The drawings' fields: in their rows on a phone, in their drawing on a desktop.
      // Moved only when out of place: a field moved loses its focus, and a
      // phone's keyboard opening resizes the page.
      for (const { row, members } of entry.lines)
        if (NARROW.matches) {
          if (members.some((el, i) => row.children[i] !== el)) row.append(...members);
        } else for (const el of members) if (el.drawing && el.parentNode !== el.drawing) el.drawing.appendChild(el);
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
    let answer = '';
    const title = document.getElementById('title');
    document.getElementById('batch-open').addEventListener('click', () => {
      pane.hidden = false;
      main.hidden = true;
      title.textContent = '批量计算';
    });
    document.getElementById('batch-close').addEventListener('click', () => {
      pane.hidden = true;
      main.hidden = false;
      title.textContent = state.screens[shownScreen].title;
    });
    document.getElementById('batch-run').addEventListener('click', () => {
      const text = document.getElementById('batch-in').value;
      const csv = document.getElementById('batch-kind').value === 'csv';
      const target = document.getElementById('batch-target').value;
      // The answers as entalix-calc writes them (a CSV table's lines end in
      // CR LF); the text box shows them with its own line ends.
      answer = csv ? api.csv(target, text, state.formulation) : api.batch(text, state.formulation);
      out.value = answer;
    });
    document.getElementById('batch-copy').addEventListener('click', () => copyText(answer));
    document.getElementById('batch-save').addEventListener('click', () => {
      const csv = document.getElementById('batch-kind').value === 'csv';
      download(new Blob([csv ? '\ufeff' + answer : answer], { type: 'text/plain' }), csv ? 'entalix-结果.csv' : 'entalix-结果.jsonl');
    });
  }

  document.addEventListener('keydown', (e) => {
    if (e.key === 'Escape') {
      e.preventDefault();
      if (!menu.hidden) closeMenu();
      else if (!document.getElementById('guide').hidden) closeGuide();
      else if (!document.getElementById('batch').hidden) document.getElementById('batch-close').click();
      else closeShown();
    } else if (e.key === 'F1') {
      e.preventDefault();
      const entry = shownScreen && built.get(shownScreen);
      openGuide(entry ? entry.desc.guide : '');
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
      field_menu: wrap('entalix_field_menu', 3),
      leave: wrap('entalix_leave', 0),
      batch: wrap('entalix_batch', 2),
      csv: wrap('entalix_csv', 3),
    };
    window.entalix = { api, state: () => state, press, run };
    batchPane();
    guidePane();
    run(api.start, JSON.stringify(keptValues()));
  });
})();
