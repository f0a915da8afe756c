// The player page in Debian's Chromium, headless, driven by playwright-core:
// it plays an embedded title's address, a remote list's address and a
// television channel's address past one second without an error, and names
// what it cannot play (the RTMP channel, a missing file) with its address
// ready to copy. Starts its own list service on a free loopback port; saves
// a screenshot of the playing page.
//   node --test player_page_test.mjs
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { mkdirSync } from 'node:fs';
import net from 'node:net';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { chromium } from 'playwright-core';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const shots = path.join(root, 'build/browser/screenshots');
const CHROMIUM = '/usr/bin/chromium';

let service;
let base;
let browser;

function freePort() {
    return new Promise((resolve, reject) => {
        const probe = net.createServer();
        probe.on('error', reject);
        probe.listen(0, '127.0.0.1', () => {
            const { port } = probe.address();
            probe.close(() => resolve(port));
        });
    });
}

async function waitForService() {
    for (let tries = 0; tries < 100; ++tries) {
        try {
            const answer = await fetch(`${base}/__control/ping`);
            if (answer.ok) {
                return;
            }
        } catch {
            // not listening yet
        }
        await new Promise((done) => setTimeout(done, 100));
    }
    throw new Error('the list service did not start');
}

before(async () => {
    const port = await freePort();
    base = `http://127.0.0.1:${port}`;
    service = spawn('python3', [path.join(root, 'tools/list_service.py'), '--port', String(port)],
                    { stdio: 'ignore' });
    await waitForService();
    browser = await chromium.launch({
        executablePath: CHROMIUM,
        // Root has no sandbox here; the page may start playing without a click.
        args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required', '--mute-audio',
               '--disable-gpu'],
    });
});

after(async () => {
    await browser?.close();
    service?.kill();
});

// The page for `address`, once it plays past one second or gives up.
async function open(address) {
    const page = await browser.newPage({ viewport: { width: 640, height: 400 } });
    await page.goto(`${base}/player.html?c=0&p=1&f=${address}`);
    await page.waitForFunction(() => {
        const video = document.getElementById('video');
        return video.currentTime > 1 || video.error ||
               document.getElementById('message').style.display === 'block';
    }, null, { timeout: 30000 });
    return page;
}

async function expectPlaying(address, screenshot) {
    const page = await open(address);
    const state = await page.evaluate(() => {
        const video = document.getElementById('video');
        return { time: video.currentTime, error: video.error && video.error.code,
                 width: video.videoWidth };
    });
    assert.equal(state.error, null, address);
    assert.ok(state.time > 1, `${address}: ${state.time}`);
    assert.equal(state.width, 640, 'the clip\'s pictures are decoded');
    if (screenshot) {
        mkdirSync(shots, { recursive: true });
        await page.screenshot({ path: path.join(shots, screenshot) });
    }
    await page.close();
}

async function expectMessage(address) {
    const page = await open(address);
    const shown = await page.evaluate(() => ({
        text: document.getElementById('message').innerText,
        field: document.getElementById('address').value,
    }));
    assert.match(shown.text, /^无法在这里播放这个视频。/);
    assert.match(shown.text, /复制这个地址/);
    assert.match(shown.text, /Copy its address/);
    assert.equal(shown.field, address);
    await page.close();
}

test('an embedded title plays', async () => {
    await expectPlaying(`${base}/media/v/0042.mp4`, 'player_embedded.png');
});

test('a remote list item plays', async () => {
    await expectPlaying(`${base}/media/lol/1.mp4`, 'player_remote.png');
});

test('a television channel plays through its redirect', async () => {
    await expectPlaying(`${base}/zb/cn.php?v=cctv12`, 'player_television.png');
});

test('the RTMP channel and a missing file are named with their address to copy', async () => {
    await expectMessage('rtmp://127.0.0.1:1935/livetv');
    await expectMessage(`${base}/media/nosuch/1.mp4`);
});
