# -*- coding: utf-8 -*-
# What the collection's modules share: the tl380ctl arguments they build, the JSON it prints and what
# its exit status means. Kept free of Ansible imports so the mapping can be tested on its own.
from __future__ import absolute_import, division, print_function

__metaclass__ = type

import json
import os
import re

KEY_NAME = re.compile(r'^[a-z][a-z0-9_]*\.[a-z][a-z0-9_]*$')

EXIT_MEANINGS = {
    1: 'the collector differs from the profile or refused a setting',
    2: 'usage or profile error: nothing was sent',
    3: 'link error: the collector could not be reached or stopped answering',
    4: 'the output could not be written',
    5: 'stopped by a signal after the exchange in flight',
}

# The options of every module (the documentation fragment tl380.fleet.link describes them).
LINK_ARGUMENT_SPEC = dict(
    serial=dict(type='str'),
    gateway=dict(type='str'),
    timeout=dict(type='float'),
    retries=dict(type='int'),
    tl380ctl=dict(type='str', default='tl380ctl'),
)

# Lists in write's summary that mean a command went to the collector.
SENT_LISTS = ('changed', 'written', 'uncertain')


class ArgumentError(ValueError):
    pass


def link_args(serial, gateway):
    if bool(serial) == bool(gateway):
        raise ArgumentError('give one link: serial (a device) or gateway (A.B.C.D[:PORT])')
    return ['--serial', serial] if serial else ['--gateway', gateway]


def common_args(timeout=None, retries=None):
    args = []
    if timeout is not None:
        args += ['--timeout', '%g' % timeout]
    if retries is not None:
        args += ['--retries', str(retries)]
    return args


def setting_args(settings):
    """--set KEY=VALUE for each setting, keys in order. Values must be text: YAML reads an unquoted
    00042 as the octal number 34 and yes as true, and either would reach the collector silently."""
    args = []
    for key in sorted(settings or {}):
        value = settings[key]
        if not KEY_NAME.match(key):
            raise ArgumentError('settings: "%s" is not a key: give page.key, e.g. system.station_number' % key)
        if not isinstance(value, str):
            raise ArgumentError('settings: %s: %r is not text: quote it (YAML reads 00042 as the octal number '
                                '34 and yes as true); a drop-down by its position goes in the profile'
                                % (key, value))
        args += ['--set', '%s=%s' % (key, value)]
    return args


def profile_source(path=None, data=None):
    """The PROFILE argument and what goes to tl380ctl's standard input: a file by its absolute path
    (so that no name is taken for an option or for standard input), or the mapping as JSON on '-'."""
    if path is not None and data is not None:
        raise ArgumentError('give profile (a file) or profile_data (a mapping), not both')
    if path is not None:
        return os.path.abspath(os.path.expanduser(path)), None
    return '-', json.dumps(data if data is not None else {}, ensure_ascii=False)


def parse_json(stdout):
    """The one JSON object tl380ctl printed, or None when there is none."""
    text = (stdout or '').strip()
    if not text:
        return None
    try:
        value = json.loads(text)
    except ValueError:
        return None
    return value if isinstance(value, dict) else None


def failure_message(rc, stderr):
    """tl380ctl's own message line when it gave one, else what the exit status means."""
    lines = [line.strip() for line in (stderr or '').splitlines() if line.strip()]
    own = [line for line in lines if line.startswith('tl380ctl:')]
    if own:
        return own[-1]
    if lines:
        return lines[-1]
    return 'tl380ctl: exit status %d: %s' % (rc, EXIT_MEANINGS.get(rc, 'unexpected exit status'))


def sent_keys(summary):
    keys = []
    for name in SENT_LISTS:
        keys += (summary or {}).get(name) or []
    return sorted(set(keys))


def diff_of(differing, keys=None):
    """before/after text, one 'page.key: value' line a setting, from diff's differing rows;
    with keys, only those settings (what a write then actually sent)."""
    rows = sorted((row for row in differing or [] if keys is None or row.get('key') in keys),
                  key=lambda row: row.get('key', ''))
    before = ''.join('%s: %s\n' % (row.get('key'), row.get('collector')) for row in rows)
    after = ''.join('%s: %s\n' % (row.get('key'), row.get('profile')) for row in rows)
    return {'before': before, 'after': after}


def kept_warning(kept):
    """One line naming the identity settings left as the collector has them: diff's rows (with both
    values) or write's key names."""
    shown = ['%s (the collector\'s %s, not %s)' % (row.get('key'), row.get('collector'), row.get('profile'))
             if isinstance(row, dict) else row for row in kept]
    return ('kept as the collector has them: %s; give them in settings, or restore: true, to write them'
            % ', '.join(shown))
