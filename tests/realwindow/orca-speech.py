#!/usr/bin/python3
"""What a blind user hears: the real program under the real Orca screen
reader, with keys pressed through the X server, and what Orca speaks read
from its debug log (every SPEECH OUTPUT line is written there before it goes
to a speech server, so no sound card is needed).

    orca-speech.py PROGRAM

Runs under an X server and a session bus of its own (xvfb-run and
dbus-run-session, as CTest starts it). A user finds and fixes an order
problem by ear: Edit Lines names the selected row, Check Order names its
current problem as it opens, Enter on it names the line it selects, a move
that fixes it is told ("Problems: none"), Save says it saved, and a change
another program makes is asked about, question and all, back from Find.
Exits 0 when every step was heard, 1 with what was heard otherwise, and 77
(skipped) where Orca is not installed.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?\s*\{", re.S)
STEP_TIMEOUT_S = 15
KEY_GAP_S = 0.12  # Qt 6.4 holds a key until the AT-SPI registry answers


def line48(*columns):
    s = [' '] * 48
    for col, text in columns:
        s[col:col + len(text)] = text
    return ''.join(s)


# A sound list but for its line 4, an Archer above the Archery it needs.
PLAN = [line48((0, 'B109'), (10, 'TownCenter'), (31, '1'), (38, '-1')),
        line48((0, 'U83'), (10, 'Villager'), (31, '3'), (38, '109')),
        line48((0, 'R101'), (10, 'R_Age_Tool'), (31, '1'), (38, '109')),
        line48((0, 'U4'), (10, 'Archer'), (31, '2'), (38, '87')),
        line48((0, 'B87'), (10, 'Archery'), (31, '1'), (38, '-1'))]

# Steps: the keys, then what must be heard after them (in this order).
STEPS = [
    ('Edit Lines names the selected row',
     ['alt+e', 'Down', 'Return'], [r'List with 5 items', r'^B109 +TownCenter']),
    ('Check Order opens on its current problem',
     ['alt+s', 'Up', 'Return'], [r'Problems: 1', r'^Line 4: Archer needs Archery']),
    ('Enter on the problem names the line it selects',
     ['Return'], [r'^U4 +Archer']),
    ('Moving it below the Archery is told to fix it',
     ['alt+Down'], [r'^U4 +Archer', r'Problems: none']),
    ('Save says it saved', ['ctrl+s'], [r'Saved plan\.ai']),
    ('Back from Find, a change by another program is asked about',
     ['alt+s', 'Return', lambda desktop: desktop.change_plan(), 'Escape'],
     [r'alert File Changed', r'plan\.ai was changed by another program']),
]


class Desktop:
    def __init__(self, program):
        self.program = program
        self.work = tempfile.mkdtemp(prefix='vexdit-orca-')
        self.log = os.path.join(self.work, 'orca-debug.txt')
        self.procs = []
        self.env = dict(os.environ)
        home = os.path.join(self.work, 'home')
        for d in ('home', 'prefs', 'run'):
            os.makedirs(os.path.join(self.work, d), mode=0o700)
        self.env.update(HOME=home, XDG_RUNTIME_DIR=os.path.join(self.work, 'run'),
                        XDG_CONFIG_HOME=home + '/.config', XDG_DATA_HOME=home + '/.local/share',
                        XDG_CACHE_HOME=home + '/.cache', LANG='C.UTF-8', LC_ALL='C.UTF-8',
                        GSETTINGS_BACKEND='memory')
        self.pos = 0

    def spawn(self, argv, **kw):
        p = subprocess.Popen(argv, env=kw.pop('env', self.env), stdin=subprocess.DEVNULL, **kw)
        self.procs.append(p)
        return p

    def start(self):
        self.spawn(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        ask = ['dbus-send', '--session', '--print-reply', '--dest=org.a11y.Bus', '/org/a11y/bus',
               'org.a11y.Bus.GetAddress']
        if not wait(lambda: subprocess.run(ask, env=self.env, capture_output=True).returncode == 0, 10):
            return 'the AT-SPI bus did not start'
        # Orca as /usr/bin/orca starts it, with a line-buffered debug log,
        # and no key echo, braille or speech server (the log has the speech).
        starter = (
            'import sys\n'
            'from orca import debug\n'
            'debug.debugLevel = debug.LEVEL_INFO\n'
            'debug.eventDebugLevel = debug.LEVEL_OFF\n'
            'debug.debugFile = open(sys.argv[1], "w", buffering=1)\n'
            'sys.argv[0] = "orca"\n'
            'from orca import orca\n'
            'm = orca.getSettingsManager()\n'
            'm.activate(sys.argv[2], {"enableKeyEcho": False, "enableBraille": False,'
            ' "speechServerFactory": ""})\n'
            'sys.path.insert(0, m.getPrefsDir())\n'
            'sys.exit(orca.main())\n')
        self.spawn(['/usr/bin/python3', '-c', starter, self.log, os.path.join(self.work, 'prefs')],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not wait(lambda: 'Screen reader on' in read(self.log), 30):
            return 'Orca did not start'
        with open(os.path.join(self.work, 'plan.ai'), 'w', newline='') as f:
            f.write('\r\n'.join(PLAN) + '\r\n')
        env = dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1', QT_QPA_PLATFORM='xcb')
        # Under AddressSanitizer: the X keyboard library copies names with
        # strndup() from buffers with no final NUL, which strict string
        # checks take for an overflow; D-Bus leaks are not the program's.
        if env.get('ASAN_OPTIONS'):
            env['ASAN_OPTIONS'] = env['ASAN_OPTIONS'].replace('strict_string_checks=1',
                                                              'strict_string_checks=0')
            env['LSAN_OPTIONS'] = 'suppressions=%s:print_suppressions=0' % os.path.join(
                os.path.dirname(os.path.abspath(__file__)), 'lsan-system.supp')
        self.errors = open(os.path.join(self.work, 'program.log'), 'w+')
        self.app = self.spawn([self.program, 'plan.ai'], cwd=self.work, env=env,
                              stdout=self.errors, stderr=subprocess.STDOUT)
        # No window manager: the main window is given the keyboard as one would.
        found = []

        def mapped():
            r = subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', "^Brindlecap"],
                               env=self.env, capture_output=True, text=True)
            found[:] = r.stdout.split()
            return bool(found)
        if not wait(mapped, 15):
            return 'the main window did not show'
        subprocess.run(['xdotool', 'windowfocus', '--sync', found[0]], env=self.env)
        if not self.hear([r'Build list text']):
            return 'the main window was not heard: ' + ' | '.join(self.heard_so_far)
        return None

    def change_plan(self):
        """Another program rewrites plan.ai, first line only."""
        with open(os.path.join(self.work, 'plan.ai'), 'w', newline='') as f:
            f.write(PLAN[0] + '\r\n')

    def press(self, combo):
        *mods, key = combo.split('+')
        for k in mods + [key]:
            subprocess.run(['xdotool', 'keydown', k], env=self.env)
            time.sleep(KEY_GAP_S)
        for k in [key] + list(reversed(mods)):
            subprocess.run(['xdotool', 'keyup', k], env=self.env)
            time.sleep(KEY_GAP_S)

    def spoken(self):
        return [m.group(1).replace('\n', ' ') for m in SPEECH.finditer(read(self.log)[self.pos:])]

    def hear(self, patterns):
        """Waits until the patterns were spoken in order since the last step."""
        def heard():
            self.heard_so_far = self.spoken()
            at = 0
            for pattern in patterns:
                while at < len(self.heard_so_far) and not re.search(pattern, self.heard_so_far[at]):
                    at += 1
                if at == len(self.heard_so_far):
                    return False
                at += 1
            return True
        ok = wait(heard, STEP_TIMEOUT_S)
        self.pos = len(read(self.log))
        return ok

    def stop(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.terminate()
        for p in reversed(self.procs):
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()


def read(path):
    try:
        with open(path, errors='replace') as f:
            return f.read()
    except OSError:
        return ''


def wait(condition, timeout):
    end = time.time() + timeout
    while time.time() < end:
        if condition():
            return True
        time.sleep(0.1)
    return False


def main():
    if not shutil.which('orca') or not os.path.exists('/usr/libexec/at-spi-bus-launcher'):
        print('orca-speech: Orca or AT-SPI is not installed; skipped')
        return 77
    desktop = Desktop(os.path.abspath(sys.argv[1]))
    failures = []
    try:
        failed = desktop.start()
        if failed:
            failures.append(failed)
        for title, keys, patterns in ([] if failed else STEPS):
            for key in keys:
                if callable(key):
                    key(desktop)
                else:
                    desktop.press(key)
            if desktop.hear(patterns):
                print('heard: %s' % title)
            else:
                failures.append('%s: wanted %s, heard %s' % (title, patterns, desktop.heard_so_far))
        if not failures:
            desktop.errors.seek(0)
            stray = desktop.errors.read().strip()
            if stray:
                failures.append('the program wrote on its error stream:\n' + stray)
    finally:
        desktop.stop()
        if not failures:
            shutil.rmtree(desktop.work, ignore_errors=True)
    for failure in failures:
        print('FAIL: ' + failure)
    if failures:
        print('(Orca\'s log is in %s)' % desktop.work)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
