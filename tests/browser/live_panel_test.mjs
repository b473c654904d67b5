// Drives the live glider panel in a real browser, as a pilot would: switches the flight
// computer on by its knob, watches its intro and start page in the state the server
// reports, presses GO for the wind page, holds the altimeter knob, drags the trim
// handle, and keeps a screenshot. Usage:
//   node live_panel_test.mjs PANEL_BINARY PANEL_CONFIG MODULES_DIR OUTPUT_DIR
import { spawn } from "node:child_process";
import { mkdtempSync, mkdirSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { chromium } from "playwright-core";

const [panelBinary, panelConfig, modulesDir, outputDir] = process.argv.slice(2);
const chromiumPath = process.env.CHROMIUM || "/usr/bin/chromium";
const port = 20000 + (process.pid % 20000);
const base = `http://127.0.0.1:${port}`;
const workdir = mkdtempSync(join(tmpdir(), "live-panel-"));
const results = [];

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function waitFor(label, predicate, timeoutMs = 15000) {
  const start = Date.now();
  let last;
  while (Date.now() - start < timeoutMs) {
    last = await predicate();
    if (last) return last;
    await sleep(100);
  }
  throw new Error(`timed out waiting for ${label}`);
}

async function check(name, body) {
  try {
    await body();
    results.push([name, true]);
    console.log(`ok   ${name}`);
  } catch (error) {
    results.push([name, false]);
    console.log(`FAIL ${name}: ${error.message}`);
  }
}

const server = spawn(panelBinary, ["serve", panelConfig, "--modules", modulesDir, "--port", String(port), "--workdir", workdir],
                     { stdio: ["ignore", "inherit", "inherit"] });
let browser;
try {
  await waitFor("the server", async () => { try { return (await fetch(base + "/state")).ok; } catch { return false; } });
  browser = await chromium.launch({
    executablePath: chromiumPath,
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync"],
  });
  const page = await browser.newPage({ viewport: { width: 1600, height: 1000 } });
  await page.goto(base + "/");
  await page.waitForSelector("#panel");
  await waitFor("the first frame", async () => (await page.$eval("#panel", (c) => c.width)) > 10);

  const state = async () => (await fetch(base + "/state")).json();
  const areas = await (await fetch(base + "/areas")).json();
  const canvasBox = await page.$eval("#panel", (c) => { const r = c.getBoundingClientRect(); return { x: r.left, y: r.top }; });
  const area = (module, index) => {
    const found = areas.find((a) => a.module === module && a.index === index);
    if (!found) throw new Error(`no mouse area ${index} on ${module}`);
    return found;
  };
  const centre = (a) => ({ x: canvasBox.x + a.box[0] + a.box[2] / 2, y: canvasBox.y + a.box[1] + a.box[3] / 2 });
  const texts = (s, module) => s.gauges.find((g) => g.module === module).elements.filter((e) => e.text !== undefined).map((e) => e.text);

  await check("the power knob switches the flight computer on: intro, then the start page", async () => {
    const knob = centre(area("QT.T-KOR", 0));
    await page.mouse.click(knob.x, knob.y);
    await waitFor('"T-KOR FS98"', async () => texts(await state(), "QT.T-KOR").includes("T-KOR FS98"));
    await waitFor('"Altimeter"', async () => texts(await state(), "QT.T-KOR").includes("Altimeter"));
  });

  await check("GO shows the wind page", async () => {
    const go = centre(area("QT.T-KOR", 1));
    await page.mouse.click(go.x, go.y);
    await waitFor("a wind title", async () => texts(await state(), "QT.T-KOR").some((t) => /^(HW|TW)/.test(t)));
  });

  await check("holding the altimeter knob turns the pressure setting", async () => {
    const before = (await state()).tokens["0x4B"];
    const knob = centre(area("QT.HM-007", 0));
    await page.mouse.move(knob.x, knob.y);
    await page.mouse.down();
    await sleep(1500);
    await page.mouse.up();
    await waitFor("a new pressure setting", async () => (await state()).tokens["0x4B"] > before + 1);
  });

  await check("dragging the trim handle sets the elevator trim", async () => {
    const handle = area("QT.TR-010", 0);
    const x = canvasBox.x + handle.box[0] + handle.box[2] / 2;
    await page.mouse.move(x, canvasBox.y + handle.box[1] + 5);
    await page.mouse.down();
    for (let i = 1; i <= 10; i++) {
      await page.mouse.move(x, canvasBox.y + handle.box[1] + 5 + i * (handle.box[3] - 10) / 10);
      await sleep(60);
    }
    await page.mouse.up();
    await waitFor("a nose-down trim", async () => (await state()).tokens["0x13F"] < -10000);
  });

  // The frame rate is a figure, not a pass mark: printed for the record.
  await sleep(2500);
  console.log(`the page shows ${await page.$eval("#status", (s) => s.textContent)}`);

  mkdirSync(outputDir, { recursive: true });
  await page.screenshot({ path: join(outputDir, "live-panel.png") });
} catch (error) {
  results.push(["the page", false]);
  console.log(`FAIL the page: ${error.message}`);
} finally {
  if (browser) await browser.close();
  server.kill("SIGTERM");
  rmSync(workdir, { recursive: true, force: true });
}

const passed = results.filter(([, ok]) => ok).length;
console.log(`${passed} passed, ${results.length - passed} failed`);
process.exit(passed === results.length && results.length > 0 ? 0 : 1);
