// Drives entalix.html in Debian's chromium as a person would, and holds every
// press against the native entalix-calc on the same fields.
//   node page_test.mjs <entalix.html> <native entalix-calc> <screenshot folder>
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const [page_file, calc, shots] = process.argv.slice(2);
const url = pathToFileURL(path.resolve(page_file)).href;
fs.mkdirSync(shots, { recursive: true });
const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'entalix-chromium-'));
const DESKTOP = { width: 1280, height: 900 };
const PHONE = { width: 390, height: 844, deviceScaleFactor: 2, isMobile: true, hasTouch: true };

let failures = 0;
function check(ok, what) {
  if (ok) return true;
  failures++;
  console.log('FAILED: ' + what);
  return false;
}

// entalix-calc on the same fields: the texts it writes, its message, its warning.
function calcAnswer(screen, event, fields, formulation) {
  const args = [screen, event, ...Object.entries(fields).map(([k, v]) => `${k}=${v}`), '--formulation', formulation];
  let stdout = '';
  let stderr = '';
  let status = 0;
  try {
    stdout = execFileSync(calc, args, { encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] });
  } catch (e) {
    stdout = e.stdout;
    stderr = e.stderr;
    status = e.status;
  }
  if (!stderr) {
    try {
      stderr = execFileSync('sh', ['-c', '"$0" "$@" 2>&1 >/dev/null', calc, ...args], { encoding: 'utf8' });
    } catch (e) {
      stderr = e.stdout;
    }
  }
  const texts = {};
  let last = null;
  let message = '';
  for (const line of stdout.split('\n')) {
    if (line.startsWith('    ') && last) texts[last] += '\r\n' + line.slice(4);
    else if (line.startsWith('message: ')) message = line.slice(9);
    else if (/^[A-Za-z][\w()]*=/.test(line)) {
      last = line.slice(0, line.indexOf('='));
      texts[last] = line.slice(line.indexOf('=') + 1);
    } else last = null;
  }
  return { texts, message, stderr: stderr.trim(), status };
}

// entalix-calc reading standard input (the batch, a CSV table).
function calcWith(args, input) {
  try {
    return execFileSync(calc, args, { input, encoding: 'utf8', stdio: ['pipe', 'pipe', 'ignore'] });
  } catch (e) {
    return e.stdout;
  }
}

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  userDataDir: profile,
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
const page = await browser.newPage();
const requests = [];
page.on('request', (r) => { if (!r.url().startsWith('file:') && !r.url().startsWith('data:') && !r.url().startsWith('blob:')) requests.push(r.url()); });
page.on('pageerror', (e) => check(false, 'script error in the page: ' + e.message));

const state = () => page.evaluate(() => window.entalix.state());
const shown = async () => { const s = await state(); return s.visible[s.visible.length - 1]; };
const describe = (name) => page.evaluate((n) => JSON.parse(window.entalix.api.describe(n)), name);
const sel = (screen, control) => `section[data-screen="${screen}"] [data-name="${control.replace(/"/g, '\\"')}"]`;

async function open() {
  const begin = Date.now();
  await page.goto(url);
  await page.waitForFunction(() => window.entalixTimings && window.entalixTimings.firstScreen !== null);
  return { wall: Date.now() - begin, script: await page.evaluate(() => window.entalixTimings.firstScreen) };
}

async function click(screen, control) {
  await page.$eval(sel(screen, control), (el) => (el.querySelector('input[type=checkbox]') || el).click());
}

async function type(screen, control, text) {
  await page.$eval(sel(screen, control), (el, t) => { el.value = t; el.dispatchEvent(new Event('input')); }, text);
}

await page.setViewport(DESKTOP);
const first = await open();
console.log(`first screen: ${first.script.toFixed(0)} ms after the file began to load (${first.wall} ms with the browser's own start of the page)`);
check(await shown() === 'Form1', 'the page opens on the main menu');

// Every screen the menus reach opens, and Esc goes back.
const reached = new Map([['Form1', null]]);
const queue = ['Form1'];
const descs = new Map();
const route = new Map([['Form1', []]]); // the clicks from the main menu
async function backToMenu() {
  for (let i = 0; i < 6 && (await shown()) !== 'Form1'; i++) await page.keyboard.press('Escape');
}
async function goTo(screen) {
  await backToMenu();
  for (const [s, b] of route.get(screen)) await click(s, b);
  check(await shown() === screen, 'reached ' + screen);
}
while (queue.length) {
  const from = queue.shift();
  const desc = await describe(from);
  descs.set(from, desc);
  for (const e of desc.events.filter((ev) => ev.kind === 'navigate' && ev.event.endsWith('_Click'))) {
    const button = e.event.slice(0, -'_Click'.length);
    if (button === desc.back) continue;
    await goTo(from);
    if (!(await state()).screens[from].shown[button]) continue;
    await click(from, button);
    const to = await shown();
    if (to === from || reached.has(to)) continue;
    reached.set(to, from);
    route.set(to, [...route.get(from), [from, button]]);
    queue.push(to);
    await page.keyboard.press('Escape');
    check(await shown() === from, `Esc on ${to} goes back to ${from}`);
  }
}
console.log(`screens reached from the menus: ${[...reached.keys()].join(' ')}`);
check(reached.size >= 18, 'the menus reach every screen');


function typedFields(desc, texts) {
  const out = {};
  for (const c of desc.controls)
    if (['input', 'atmospheric', 'tick_box'].includes(c.role)) out[c.name] = texts[c.name];
  return out;
}

// A press on every calculation screen shows what entalix-calc writes on the same fields.
async function pressAndCompare(screen, formulation) {
  const desc = descs.get(screen) || (await describe(screen));
  let presses = 0;
  for (const e of desc.events.filter((ev) => ev.kind === 'compute' && ev.event.endsWith('_Click'))) {
    const button = e.event.slice(0, -'_Click'.length);
    const before = (await state()).screens[screen];
    if (!before || !before.shown[button]) continue;
    const fields = typedFields(desc, before.texts);
    await click(screen, button);
    const s = await state();
    if ((await shown()) !== screen) { await goTo(screen); continue; } // a press that leads to another screen
    const after = s.screens[screen];
    const want = calcAnswer(screen, e.event, fields, formulation);
    for (const [name, text] of Object.entries(want.texts)) {
      check(after.texts[name] === text, `${screen} ${e.event} ${formulation}: ${name} shows ${JSON.stringify(after.texts[name])}, entalix-calc ${JSON.stringify(text)}`);
      const dom = await page.$eval(sel(screen, name), (el) => (el.tagName === 'INPUT' ? el.value : el.textContent));
      check(dom.replace(/\r\n/g, '\n') === text.replace(/\r\n/g, '\n'), `${screen} ${name}: the page draws the text it holds`);
    }
    const said = want.message || (want.status !== 0 ? want.stderr : '') || (want.stderr && !want.stderr.includes('\n') ? want.stderr : '');
    if (said) check(after.message === said, `${screen} ${e.event}: message ${JSON.stringify(after.message)}, entalix-calc ${JSON.stringify(said)}`);
    presses++;
  }
  return presses;
}

const calculationScreens = [...descs.values()].filter((d) => d.events.some((e) => e.kind === 'compute')).map((d) => d.name);
let presses = 0;
for (const screen of calculationScreens) {
  await goTo(screen);
  presses += await pressAndCompare(screen, 'IFC-67');
}
console.log(`${presses} presses on ${calculationScreens.length} calculation screens agree with entalix-calc`);

// A refused press says why, in the failure colour; a warning in its own.
await goTo('Form8');
const saturation = descs.get('Form8');
const firstInput = saturation.controls.find((c) => c.role === 'input');
await type('Form8', firstInput.name, '12abc');
const refusing = saturation.enter[firstInput.name];
await click('Form8', refusing);
const refused = (await state()).screens.Form8;
check(refused.message.includes('不是数字') || refused.message.length > 0, 'a slip is refused with its reason: ' + refused.message);
const messageControl = saturation.controls.find((c) => c.message).name;
const colour = (screen) => page.$eval(sel(screen, messageControl), (el) => getComputedStyle(el).color);
check(await colour('Form8') === 'rgb(255, 0, 0)', 'a refusal shows in red');
await type('Form8', firstInput.name, '1');

// Enter in a field presses its calculation, as the button does.
await type('Form8', firstInput.name, '3');
await page.focus(sel('Form8', firstInput.name));
await page.keyboard.press('Enter');
const entered = (await state()).screens.Form8;
const enterWant = calcAnswer('Form8', refusing + '_Click', typedFields(saturation, entered.texts), 'IFC-67');
check(Object.keys(enterWant.texts).length > 0 && Object.entries(enterWant.texts).every(([n, t]) => entered.texts[n] === t),
  'Enter in the field presses its calculation');
// A field's tooltip names its quantity, its unit and its range.
const tip = await page.$eval(sel('Form8', firstInput.name), (el) => el.title);
check(tip === firstInput.tooltip && /单位/.test(tip) && /范围/.test(tip), 'the tooltip names quantity, unit and range: ' + tip);
await type('Form8', firstInput.name, '1');

await goTo('Form11');
const form11 = descs.get('Form11');
await click('Form11', 'Check1');
await click('Form11', 'Check2');
await type('Form11', 'Text1', '17');
await type('Form11', 'Text2', '352');
await click('Form11', form11.enter.Text1);
const warned = (await state()).screens.Form11;
const form11Message = form11.controls.find((c) => c.message).name;
check(warned.warning && warned.message.includes('外推'), 'an extrapolated state shows its warning: ' + warned.message);
check(await page.$eval(sel('Form11', form11Message), (el) => getComputedStyle(el).color) === 'rgb(176, 90, 0)', 'a warning shows in amber');

// A click on a result copies it; "复制全部结果" copies every result with its inputs.
await page.evaluate(() => {
  window.copied = [];
  const keep = (t) => { window.copied.push(t); return Promise.resolve(); };
  Object.defineProperty(navigator, 'clipboard', { configurable: true, value: { writeText: keep } });
  document.execCommand = (command) => { if (command === 'copy') window.copied.push(document.activeElement.value); return true; };
});
const resultLabel = form11.controls.find((c) => c.role === 'result' && c.kind === 'label' && warned.texts[c.name]);
await page.click(sel('Form11', resultLabel.name));
await page.click('section[data-screen="Form11"] .copy-all');
const copied = await page.evaluate(() => window.copied);
check(copied.length === 2 && copied[0] === warned.texts[resultLabel.name] && copied[1] === warned.results && /17/.test(copied[1]),
  'a result and all results are copied: ' + JSON.stringify(copied).slice(0, 120));

// The formulation switch changes the title and the numbers.
await goTo('Form8');
await type('Form8', firstInput.name, '1');
await click('Form8', refusing);
const ifc = (await state()).screens.Form8;
await backToMenu();
const combo = descs.get('Form1').controls.find((c) => c.kind === 'combo');
await page.select(sel('Form1', combo.name), 'IAPWS-IF97');
// The steam calculator's results, computed in IFC-67 above, turn stale and grey.
await goTo('Form11');
const staleNow = (await state()).screens.Form11.stale.filter((n) => form11.controls.find((c) => c.name === n).role === 'result');
check(staleNow.length > 0, 'results of the other formulation are stale');
if (staleNow.length)
  check(await page.$eval(sel('Form11', staleNow[0]), (el) => getComputedStyle(el).color) === 'rgb(138, 138, 138)', 'a stale result is drawn grey');
await goTo('Form8');
await click('Form8', refusing);
const if97 = (await state()).screens.Form8;
check(if97.title.includes('IAPWS-IF97') && !ifc.title.includes('IAPWS-IF97'), 'the title names the formulation: ' + if97.title);
const written = saturation.events.find((e) => e.event === refusing + '_Click').writes.filter((w) => ifc.texts[w] !== undefined);
check(written.some((w) => ifc.texts[w] !== if97.texts[w]), 'the numbers change with the formulation');
presses += await pressAndCompare('Form8', 'IAPWS-IF97');

// What is remembered survives a reload: the site's atmospheric pressure, the inputs, the formulation.
const atmosphericField = saturation.controls.find((c) => c.role === 'atmospheric');
if (atmosphericField) await type('Form8', atmosphericField.name, '0.0987');
await type('Form8', firstInput.name, '2.5');
await backToMenu();
await open();
check((await state()).formulation === 'IAPWS-IF97', 'the formulation is remembered');
await goTo('Form8');
const back = (await state()).screens.Form8;
check(back.texts[firstInput.name] === '2.5', 'the last input is remembered: ' + back.texts[firstInput.name]);
if (atmosphericField) check(back.texts[atmosphericField.name] === '0.0987', 'the atmospheric pressure is remembered');

// The batch: JSON lines and a CSV table answer as entalix-calc does.
const batchLines = '{"call": "pswsat_t", "args": [1]}\n{"screen": "Form8", "event": "Command2_Click", "fields": {"Text2": "abc"}}\n' +
  '{"call": "pswh_ptstm", "args": [10, 500], "formulation": "IFC-67"}\n';
const csvTable = 'p,t\n1,200\nabc,1\n22,400\n';
const batchOut = async (kind, target, text) => {
  await page.click('#batch-open');
  await page.select('#batch-kind', kind);
  await page.$eval('#batch-target', (el, t) => { el.value = t; }, target);
  await page.$eval('#batch-in', (el, t) => { el.value = t; }, text);
  await page.click('#batch-run');
  const out = await page.$eval('#batch-out', (el) => el.value);
  await page.click('#batch-close');
  return out;
};
const batchFormulation = (await state()).formulation;
check(await batchOut('json', '', batchLines) === calcWith(['--batch', '--formulation', batchFormulation], batchLines),
  'the batch of JSON lines answers as entalix-calc --batch');
const csvWant = calcWith(['--csv', 'pswh_ptstm', '--formulation', batchFormulation], csvTable).replace(/\r\n/g, '\n'); // as a text box shows it
check(await batchOut('csv', 'pswh_ptstm', csvTable) === csvWant,
  'a CSV table answers as entalix-calc --csv');

// Press time, measured in the page on a screen already built: the core's
// answer and the page drawn from it.
await page.evaluate(() => { window.entalixTimings.presses.length = 0; });
for (let i = 0; i < 30; i++) await click('Form8', refusing);
const timing = await page.evaluate(() => {
  const p = window.entalixTimings.presses.map((x) => x.total).sort((a, b) => a - b);
  return { median: p[Math.floor(p.length / 2)], worst: p[p.length - 1], count: p.length };
});
console.log(`press: median ${timing.median.toFixed(2)} ms, slowest ${timing.worst.toFixed(2)} ms (${timing.count} presses of 饱和参数, core and page)`);

// The "?" opens the guide inside the page at the screen's own section.
await goTo('Form18');
await page.click('section[data-screen="Form18"] .help');
const guideTop = await page.evaluate(() => {
  const pane = document.getElementById('guide-text');
  const top = pane.getBoundingClientRect().top;
  const headings = [...pane.querySelectorAll('h1, h2, h3, h4')].filter((h) => h.getBoundingClientRect().bottom > top + 1);
  return { open: !document.getElementById('guide').hidden, heading: headings.length ? headings[0].textContent : '',
    offset: headings.length ? headings[0].getBoundingClientRect().top - top : -1 };
});
check(guideTop.open && guideTop.heading.endsWith(descs.get('Form18').caption) && guideTop.offset > -2 && guideTop.offset < 20,
  `the guide opens at the pipe screen's section: ${JSON.stringify(guideTop)}`);
await page.keyboard.press('Escape');
check(await page.$eval('#guide', (el) => el.hidden) && (await shown()) === 'Form18', 'Esc closes the guide, not the screen');

// The atmospheric pressure's right-click menu puts the screens' default back.
await goTo('Form8');
if (atmosphericField) {
  await page.click(sel('Form8', atmosphericField.name), { button: 'right' });
  await page.click('#menu button[data-action="restore_default"]');
  const restored = (await state()).screens.Form8.texts[atmosphericField.name];
  check(restored === atmosphericField.text && restored !== '0.0987', `恢复默认 puts back ${atmosphericField.text}: ${restored}`);
}

// A chart's right-click menu saves it as SVG and as PNG, through the browser's downloads.
const chartScreen = [...descs.values()].find((d) => d.controls.some((c) => c.kind === 'picture' && c.drag));
if (check(!!chartScreen, 'a screen draws a chart')) {
  const box = chartScreen.controls.find((c) => c.kind === 'picture' && c.drag).name;
  await goTo(chartScreen.name);
  if (!(await page.$eval(sel(chartScreen.name, box), (el) => !!el.chartSvg))) {
    const draw = chartScreen.events.find((e) => e.kind === 'compute' && e.event.endsWith('_Click'));
    await click(chartScreen.name, draw.event.slice(0, -'_Click'.length));
  }
  const downloads = fs.mkdtempSync(path.join(os.tmpdir(), 'entalix-downloads-'));
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  const saved = async (action, name) => {
    await page.$eval(sel(chartScreen.name, box), (el) => {
      const r = el.getBoundingClientRect();
      el.dispatchEvent(new MouseEvent('contextmenu', { bubbles: true, cancelable: true, clientX: r.left + 5, clientY: r.top + 5 }));
    });
    await page.click(`#menu button[data-action="${action}"]`);
    const file = path.join(downloads, name);
    for (let i = 0; i < 50 && !fs.existsSync(file); i++) await new Promise((r) => setTimeout(r, 100));
    return fs.existsSync(file) ? fs.readFileSync(file) : Buffer.alloc(0);
  };
  const svg = (await saved('save_svg', '焓熵图.svg')).toString('utf8');
  check(/^(<\?xml[^>]*\?>\s*)?<svg[\s>]/.test(svg) && svg.trimEnd().endsWith('</svg>'), 'the chart saves as SVG: ' + svg.slice(0, 60));
  const png = await saved('save_png', '焓熵图.png');
  check(png.subarray(0, 8).equals(Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a])) && png.length > 2000,
    `the chart saves as PNG (${png.length} bytes)`);
  fs.rmSync(downloads, { recursive: true, force: true });
}

// Screenshots of every screen on a desktop and on a phone, for a person to look at.
for (const [label, viewport] of [['desktop', DESKTOP], ['phone', PHONE]]) {
  await page.setViewport(viewport);
  const opened = await open();
  console.log(`first screen on a ${label}: ${opened.script.toFixed(0)} ms after the file began to load`);
  for (const screen of reached.keys()) {
    await goTo(screen);
    await page.screenshot({ path: path.join(shots, `${screen}-${label}.png`), fullPage: true });
    // What a person would find at a glance: a caption cut short, controls on
    // top of each other, a phone page wider than the phone.
    const faults = await page.evaluate((name, phone) => {
      const root = document.querySelector(`section[data-screen="${name}"]`);
      const out = [];
      const shown = [...root.querySelectorAll('.ctl')].filter((e) => e.getClientRects().length && !e.closest('.picture'));
      for (const e of shown)
        if (e.tagName !== 'INPUT' && e.tagName !== 'SELECT' && getComputedStyle(e).overflowX !== 'visible' &&
          (e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1)) out.push(`cut: ${e.dataset.name} "${e.textContent}"`);
      for (const p of root.querySelectorAll('.picture')) if (!p.querySelector('svg path, svg line, svg polyline')) out.push(`no drawing in ${p.dataset.name}`);
      if (!phone) return out;
      const boxes = shown.map((e) => [e, e.getBoundingClientRect()]);
      for (let i = 0; i < boxes.length; i++)
        for (let j = i + 1; j < boxes.length; j++) {
          const [a, r] = boxes[i];
          const [b, q] = boxes[j];
          if (Math.min(r.right, q.right) - Math.max(r.left, q.left) > 1 && Math.min(r.bottom, q.bottom) - Math.max(r.top, q.top) > 1)
            out.push(`overlap: ${a.dataset.name} ${b.dataset.name}`);
        }
      if (document.documentElement.scrollWidth > window.innerWidth) out.push(`wider than the phone: ${document.documentElement.scrollWidth} px`);
      return out;
    }, screen, label === 'phone');
    check(faults.length === 0, `${screen} on a ${label}: ${faults.join('; ')}`);
  }
  // The panes over the screens: the guide and the batch.
  await goTo('Form2');
  await page.click('section[data-screen="Form2"] .help');
  await page.screenshot({ path: path.join(shots, `guide-${label}.png`) });
  await page.keyboard.press('Escape');
  await page.click('#batch-open');
  await page.screenshot({ path: path.join(shots, `batch-${label}.png`), fullPage: true });
  await page.click('#batch-close');
}

// On a phone the pipe screen's two calculations come whole, one below the
// other, its empty hint takes no room, and number fields bring the number pad.
await page.setViewport(PHONE);
await open();
await goTo('Form2');
const phoneOrder = await page.$$eval('section[data-screen="Form2"] .row > .ctl', (els) => els.map((e) => e.dataset.name));
const pipe = descs.get('Form2');
const blockAt = pipe.blocks.map((b) => b.map((n) => phoneOrder.indexOf(n)));
check(blockAt.length === 2 && Math.max(...blockAt[0]) < Math.min(...blockAt[1]), 'the pipe screen\'s blocks come whole: ' + phoneOrder.join(' '));
const hint = pipe.controls.find((c) => c.role === 'result' && c.rect[3] > 1000).name;
check(await page.$eval(sel('Form2', hint), (el) => !el.textContent && el.parentElement.getBoundingClientRect().height === 0), 'an empty hint takes no room');
const pads = await page.$$eval('section[data-screen="Form2"] input.r-input', (els) => els.map((e) => e.inputMode));
check(pads.length > 0 && pads.every((m) => m === 'decimal' || m === 'text') && pads.includes('decimal'), 'number fields bring the number pad: ' + pads.join(' '));
await page.setViewport(DESKTOP);

check(requests.length === 0, 'no network request: ' + requests.join(' '));
await browser.close();
fs.rmSync(profile, { recursive: true, force: true });
console.log(`${presses} presses compared; screenshots in ${shots}`);
if (failures) {
  console.log(`${failures} checks failed`);
  process.exit(1);
}
console.log('the page passes every check');
