// The story runner (build/hazama-story) on a script, and the commands of a script.
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { nativeBuild } from './site.mjs';

// The commands of a runner script, one a line, without comments and blank lines.
export function scriptCommands(path) {
  return readFileSync(path, 'utf8').split('\n')
    .map((line) => line.replace(/#.*/, '').trim())
    .filter((line) => line !== '');
}

// Runs the runner on `commands`; its output's lines. `options.snapshots` and `options.data`
// are its folders for snapshots and the player's files.
export function runStory(commands, options = {}) {
  const args = [];
  if (options.snapshots) args.push('--snapshots', options.snapshots);
  if (options.data) args.push('--data', options.data);
  args.push('-');
  const run = spawnSync(join(nativeBuild, 'hazama-story'), args,
    { input: `${commands.join('\n')}\n`, encoding: 'utf8', maxBuffer: 64 << 20 });
  if (run.error) throw run.error;
  if (run.status !== 0) throw new Error(`hazama-story failed (${run.status}): ${run.stderr}`);
  return run.stdout.split('\n').filter((line) => line !== '');
}

// The runner's own lines (its echo of each command, the state after it, its refusals) are
// not the game's: the trace is what is left. The music's folder is named alike on both sides.
export function gameTrace(lines, root = nativeBuild) {
  return lines.filter((line) => !/^(> |state |refused )/.test(line))
    .map((line) => normaliseRoot(line, root));
}

export function normaliseRoot(line, root) {
  return line.startsWith('mci open "') ? line.replace(`"${root}/`, '"ROOT/') : line;
}

// The commands the runner refused, in order.
export function refusals(lines) {
  return lines.filter((line) => line.startsWith('refused ')).map((line) => line.slice(8));
}
