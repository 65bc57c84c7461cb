#!/usr/bin/python
# -*- coding: utf-8 -*-
# Brings one collector to a profile plus its own values, through tl380ctl.
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
---
module: collector
short_description: Bring one TL380 collector to a profile and its own values
description:
  - Runs C(tl380ctl write) on the machine the task runs on (with C(ansible_connection=local)); it checks the whole
    profile, reads the collector, sends only the settings it does not hold, reads them back and judges each.
  - Settings that identify one collector (the station number) are left as the collector has them unless
    given in I(settings) or with I(restore); they are listed in I(kept).
  - In check mode it runs C(tl380ctl diff), which only reads, and reports what a write would change.
  - In diff mode it shows, per setting, the collector's value before and the profile's after.
  - The module never speaks to the collector itself; every exchange is tl380ctl's.
version_added: "1.0.0"
options:
  profile:
    description:
      - A profile file (JSON, grouped by page, as C(tl380ctl read --template) writes it) on the machine the
        task runs on. Give this or I(profile_data); with neither, only I(settings) are written.
    type: path
  profile_data:
    description:
      - The profile as a mapping of page to settings, the shape of a profile file.
        Values go to tl380ctl unchanged (a drop-down may be given by its position as a number where its
        text repeats).
    type: dict
  settings:
    description:
      - This collector's own values, C(page.key) to value, each passed as C(--set page.key=VALUE) and
        checked like the profile's. Values are text; quote them (YAML reads 00042 as the octal number 34).
      - C(system.station_number) given here is written even where the profile holds another.
    type: dict
    default: {}
  restore:
    description:
      - Write the profile's identity settings too (a backup restored onto a replacement unit).
    type: bool
    default: false
  skip_serial_only:
    description:
      - Over a gateway, leave out the settings that go to the serial port only instead of failing.
    type: bool
    default: false
extends_documentation_fragment:
  - tl380.fleet.link
notes:
  - Over a gateway the GPRS page and the slots go to the serial port only; see I(skip_serial_only).
  - Check mode sends no set command; it reads the collector.
  - A write stopped half-way (a lost link, a signal) is completed by running the task again.
author:
  - tl380cfg developers
'''

EXAMPLES = r'''
- name: The office template, this collector's station number
  tl380.fleet.collector:
    gateway: 127.0.0.1:7001
    profile: /srv/tl380/office.json
    settings:
      system.station_number: "00042"
    skip_serial_only: true

- name: A replacement unit gets everything the backup holds, station number included
  tl380.fleet.collector:
    serial: /dev/ttyUSB0
    profile: backups/pump-north.json
    restore: true

- name: A few settings inline
  tl380.fleet.collector:
    serial: /dev/ttyUSB0
    profile_data:
      system:
        transmission_cycle: 15min
        data_retention_period: 30min
'''

RETURN = r'''
summary:
  description:
    - tl380ctl's write summary; each entry a list of C(page.key) names. C(changed), C(already_right),
      C(failed), C(written) (sent, not read back), C(not_written), C(uncertain), C(skipped), C(kept)
      (identity settings left as the collector has them) and C(stopped) (why it ended early, when it did).
  returned: when a write was run
  type: dict
  sample: {"changed": ["system.transmission_cycle"], "already_right": ["system.power_output_delay"],
           "failed": [], "written": [], "not_written": [], "uncertain": [], "skipped": [], "kept": []}
differing:
  description: In check mode, each setting a write would change, with the collector's and the profile's value.
  returned: in check mode
  type: list
  elements: dict
  sample: [{"key": "system.transmission_cycle", "collector": "1min", "profile": "15min"}]
kept:
  description: Identity settings that differ and are left as the collector has them.
  returned: always
  type: list
  elements: str
  sample: ["system.station_number"]
rc:
  description: tl380ctl's exit status (1 collector differs or refused, 2 usage, 3 link, 4 output, 5 stopped).
  returned: on failure
  type: int
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.tl380.fleet.plugins.module_utils.tl380ctl import (
    LINK_ARGUMENT_SPEC, ArgumentError, common_args, diff_of, failure_message, kept_warning, link_args,
    parse_json,
    profile_source, sent_keys, setting_args)


def program(module):
    name = module.params['tl380ctl']
    if '/' in name:
        return name
    return module.get_bin_path(name, required=True)


def run(module, args, stdin):
    rc, out, err = module.run_command(args, data=stdin, check_rc=False)
    return rc, parse_json(out), err


def main():
    module = AnsibleModule(
        argument_spec=dict(
            profile=dict(type='path'),
            profile_data=dict(type='dict'),
            settings=dict(type='dict', default={}),
            restore=dict(type='bool', default=False),
            skip_serial_only=dict(type='bool', default=False),
            **LINK_ARGUMENT_SPEC
        ),
        mutually_exclusive=[('serial', 'gateway'), ('profile', 'profile_data')],
        required_one_of=[('serial', 'gateway')],
        supports_check_mode=True,
    )
    p = module.params
    try:
        link = link_args(p['serial'], p['gateway']) + common_args(p['timeout'], p['retries']) + ['--json']
        profile, stdin = profile_source(p['profile'], p['profile_data'])
        own = setting_args(p['settings'])
    except ArgumentError as error:
        module.fail_json(msg=str(error), rc=2, kept=[])
    own += ['--restore'] if p['restore'] else []
    skip = ['--skip-serial-only'] if p['skip_serial_only'] else []
    ctl = program(module)

    differing = None
    if module.check_mode or module._diff:
        rc, report, err = run(module, [ctl] + link + ['diff', profile] + own + skip, stdin)
        if rc not in (0, 1) or report is None:
            module.fail_json(msg=failure_message(rc, err), rc=rc, stderr=err, kept=[])
        differing = report.get('differing') or []
        identity = report.get('identity') or []
        kept = [row.get('key') for row in identity]
        if module.check_mode:
            if identity:
                module.warn(kept_warning(identity))
            result = dict(changed=bool(differing), differing=differing, kept=kept)
            if module._diff:
                result['diff'] = diff_of(differing)
            module.exit_json(**result)

    rc, summary, err = run(module, [ctl] + link + ['write', profile] + own + skip, stdin)
    sent = sent_keys(summary)
    result = dict(changed=bool(sent), summary=summary, kept=(summary or {}).get('kept') or [])
    if differing is not None:
        result['diff'] = diff_of(differing, sent)
    if rc != 0 or summary is None:
        module.fail_json(msg=failure_message(rc, err), rc=rc, stderr=err, **result)
    if result['kept']:
        module.warn(kept_warning(result['kept']))
    module.exit_json(**result)


if __name__ == '__main__':
    main()
