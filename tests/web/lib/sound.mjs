// A sound output that exists only for a test: a PulseAudio daemon of its own with one null
// sink, which takes what a browser plays at the pace of its clock and throws it away. Headless
// Firefox has no other output here, and without one its audio context never runs.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { connect } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const READY_MS = 10000;  // the daemon's socket must answer within this
const STOP_MS = 5000;  // and it must be gone within this once told to end
const SAMPLE_RATE = 44100;  // the game's music is made at this rate

// The daemon runs under a shell that ends with it and then removes its folder ($1), and
// beside it a reader of our pipe: when this process ends in any way, even killed, the pipe
// closes and the reader ends the daemon.
const WATCHED = 'folder=$1; shift; exec 3<&0; pulseaudio "$@" </dev/null & daemon=$!; ' +
  '{ read -r _ <&3; kill $daemon 2>/dev/null; } & wait $daemon; status=$?; ' +
  'rm -rf "$folder"; exit $status';

// Everything on the command line, no configuration file: no other sink, no module loaded
// later, no exit while the browser is away, no raised priority over the other tests (root
// could take it), quiet but for errors. As root (CI's containers) it warns that it is not
// meant for root and runs all the same; --system would want a system-wide setup (a user of
// its own, D-Bus) that a daemon of one test does not need.
function daemonArguments(socket) {
  return [
    '-n', '--daemonize=no', '--use-pid-file=no', '--exit-idle-time=-1', '--disallow-exit',
    '--realtime=no', '--high-priority=no',
    '--disallow-module-loading', '--log-target=stderr', '--log-level=error',
    '-L', `module-null-sink sink_name=test rate=${SAMPLE_RATE}`,
    '-L', `module-native-protocol-unix socket=${socket} auth-anonymous=1`,
  ];
}

// Resolves once something listens on the socket, or with false after `ms`.
async function answers(socket, ms, gone) {
  const until = Date.now() + ms;
  while (Date.now() < until && !gone()) {
    const ok = await new Promise((resolve) => {
      const probe = connect(socket);
      probe.once('connect', () => { probe.destroy(); resolve(true); });
      probe.once('error', () => resolve(false));
    });
    if (ok) return true;
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  return false;
}

// Resolves with { env, stop } when the daemon answers: `env` points a browser at it, `stop`
// ends it and removes its folder. Resolves with { failure } telling why when it cannot start.
export async function startSoundServer() {
  const folder = mkdtempSync(join(tmpdir(), 'hazama-sound-'));
  const socket = join(folder, 'native');
  // Its home, runtime, state and configuration all inside our folder, so that it reads and
  // leaves nothing of the machine's own.
  const own = {
    HOME: folder, XDG_CONFIG_HOME: folder, XDG_RUNTIME_DIR: folder,
    PULSE_RUNTIME_PATH: folder, PULSE_STATE_PATH: folder, PULSE_CONFIG_PATH: folder,
  };
  let told = '';
  let exited = null;
  // Its own process group, so that a daemon deaf to the reader can still be killed.
  const shell = spawn('sh', ['-c', WATCHED, 'sh', folder, ...daemonArguments(socket)], {
    env: { ...process.env, ...own }, stdio: ['pipe', 'ignore', 'pipe'], detached: true,
  });
  const finished = new Promise((resolve) => {
    shell.once('error', (error) => { exited ??= error.message; resolve(); });
    shell.once('exit', (code, signal) => { exited ??= `exit status ${code ?? signal}`; resolve(); });
  });
  shell.stderr.setEncoding('utf8');
  shell.stderr.on('data', (text) => { told += text; });
  shell.stdin.on('error', () => {});
  const ready = await answers(socket, READY_MS, () => exited !== null);

  const stop = async () => {
    if (exited === null) {
      shell.stdin.end();
      const late = setTimeout(() => {
        try { process.kill(-shell.pid, 'SIGKILL'); } catch { /* gone meanwhile */ }
      }, STOP_MS);
      await finished;
      clearTimeout(late);
    }
    rmSync(folder, { recursive: true, force: true });
  };
  if (!ready) {
    const said = exited === null ? `no answer within ${READY_MS / 1000} s`
      : told.trim() || exited;
    await stop();
    return { failure: `the test's PulseAudio daemon did not start: ${said}` };
  }
  return { env: { PULSE_SERVER: `unix:${socket}`, PULSE_RUNTIME_PATH: folder }, stop };
}
