// Checks run in order, each named; the first that fails ends the run, since the later ones
// build on the state it should have reached. A failure prints what was seen and keeps a
// picture of the page in a folder it names.
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');

class CheckFailed extends Error {}

function expect(condition, message) {
  if (!condition)
    throw new CheckFailed(message);
}

function expectEqual(actual, expected, what) {
  const a = JSON.stringify(actual), e = JSON.stringify(expected);
  expect(a === e, `${what}: expected ${e}, saw ${a}`);
}

// checks: [name, async (session) => {...}]. Returns the process's exit status.
async function run(session, checks) {
  for (const [name, check] of checks) {
    try {
      await check(session);
      console.log(`ok: ${name}`);
    } catch (e) {
      console.log(`FAILED: ${name}\n${e.message}`);
      if (e instanceof CheckFailed)
        console.log(await session.describe());
      try {
        const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'moonhop-web-failure-'));
        await session.page.screenshot({ path: path.join(folder, 'page.png'), fullPage: true });
        console.log(`The page as it was: ${folder}/page.png`);
      } catch (ignored) {
        // The page may be gone; what was seen is printed above.
      }
      return 1;
    }
  }
  return 0;
}

module.exports = { expect, expectEqual, run };
