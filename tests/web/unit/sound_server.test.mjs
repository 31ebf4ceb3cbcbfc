// The music test's own sound server: it answers while the test runs, and neither the daemon
// nor its folder outlives the test, however the test ends; a daemon that cannot start says why.
import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import { chmodSync, existsSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { connect } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { startSoundServer } from '../lib/sound.mjs';

const socketOf = (env) => env.PULSE_SERVER.replace(/^unix:/, '');

const answers = (socket) => new Promise((resolve) => {
  const probe = connect(socket);
  probe.once('connect', () => { probe.destroy(); resolve(true); });
  probe.once('error', () => resolve(false));
});

async function gone(folder, ms = 5000) {
  const until = Date.now() + ms;
  while (existsSync(folder) && Date.now() < until) {
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  return !existsSync(folder);
}

let pulseaudio = true;
try {
  execFileSync('pulseaudio', ['--version'], { stdio: 'ignore' });
} catch {
  pulseaudio = false;
}

test('the sound server plays to its null sink and leaves nothing behind', {
  skip: !pulseaudio && 'no pulseaudio here',
}, async (t) => {
  await t.test('stopped by the test', async () => {
    const sound = await startSoundServer();
    assert.equal(sound.failure, undefined);
    const sinks = execFileSync('pactl', ['list', 'short', 'sinks'],
      { env: { ...process.env, ...sound.env }, encoding: 'utf8' });
    assert.deepEqual(sinks.trim().split('\n').map((row) => row.split('\t')[1]), ['test']);
    await sound.stop();
    assert.equal(existsSync(sound.env.PULSE_RUNTIME_PATH), false);
    assert.equal(await answers(socketOf(sound.env)), false);
  });

  await t.test('its test killed', async () => {
    const module = new URL('../lib/sound.mjs', import.meta.url).href;
    const child = spawn(process.execPath, ['--input-type=module', '-e',
      `const s = await (await import(${JSON.stringify(module)})).startSoundServer();
       console.log(JSON.stringify(s.env ?? s.failure)); setInterval(() => {}, 1000);`],
    { stdio: ['ignore', 'pipe', 'inherit'] });
    const said = await new Promise((resolve) => child.stdout.once('data', resolve));
    const env = JSON.parse(said);
    assert.equal(await answers(socketOf(env)), true);
    child.kill('SIGKILL');
    assert.ok(await gone(env.PULSE_RUNTIME_PATH), 'the daemon outlived its test');
  });
});

test('a daemon that cannot start says why', async () => {
  const bin = mkdtempSync(join(tmpdir(), 'hazama-fake-pulse-'));
  const path = process.env.PATH;
  try {
    writeFileSync(join(bin, 'pulseaudio'), '#!/bin/sh\necho "E: no sink for you" >&2\nexit 1\n');
    chmodSync(join(bin, 'pulseaudio'), 0o755);
    process.env.PATH = `${bin}:${path}`;
    const sound = await startSoundServer();
    assert.equal(sound.failure, "the test's PulseAudio daemon did not start: E: no sink for you");
    assert.equal(sound.env, undefined);
  } finally {
    process.env.PATH = path;
    rmSync(bin, { recursive: true, force: true });
  }
});
