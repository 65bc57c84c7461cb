#!/usr/bin/python
# -*- coding: utf-8 -*-
# Gathers one collector's model, station number and settings as facts, through tl380ctl.
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
---
module: collector_facts
short_description: Gather a TL380 collector's model, station number and settings as facts
description:
  - Runs C(tl380ctl test) and C(tl380ctl read) on the machine the task runs on (with C(ansible_connection=local))
    and sets the fact C(tl380_collector). Only reads; nothing is set on the collector.
  - Over a gateway the settings read over the serial link only are left out (tl380ctl names them).
version_added: "1.0.0"
options:
  pages:
    description: The pages to read (C(system), C(gprs), C(channels), C(rs485), C(slots)); all when empty.
    type: list
    elements: str
    default: []
extends_documentation_fragment:
  - tl380.fleet.link
author:
  - tl380cfg developers
'''

EXAMPLES = r'''
- name: Audit every collector
  tl380.fleet.collector_facts:
    gateway: "{{ tl380_gateway }}"

- name: Station numbers as the collectors hold them
  ansible.builtin.debug:
    msg: "{{ inventory_hostname }}: {{ tl380_collector.station_number }}"
'''

RETURN = r'''
ansible_facts:
  description: The fact C(tl380_collector).
  returned: success
  type: complex
  contains:
    tl380_collector:
      description: model (the model the collector names), link (the link it says the command came on),
        station_number (absent when the system page was not read) and settings (a profile, page to key to value).
      type: dict
      sample: {"model": "...", "link": "...", "station_number": "00042",
               "settings": {"system": {"station_number": "00042", "transmission_cycle": "15min"}}}
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.tl380.fleet.plugins.module_utils.tl380ctl import (
    LINK_ARGUMENT_SPEC, ArgumentError, common_args, failure_message, link_args, parse_json)


def main():
    module = AnsibleModule(
        argument_spec=dict(
            pages=dict(type='list', elements='str', default=[]),
            **LINK_ARGUMENT_SPEC
        ),
        mutually_exclusive=[('serial', 'gateway')],
        required_one_of=[('serial', 'gateway')],
        supports_check_mode=True,
    )
    p = module.params
    try:
        link = link_args(p['serial'], p['gateway']) + common_args(p['timeout'], p['retries'])
    except ArgumentError as error:
        module.fail_json(msg=str(error), rc=2)
    ctl = p['tl380ctl'] if '/' in p['tl380ctl'] else module.get_bin_path(p['tl380ctl'], required=True)

    rc, out, err = module.run_command([ctl] + link + ['--json', 'test'], check_rc=False)
    identity = parse_json(out)
    if rc != 0 or identity is None:
        module.fail_json(msg=failure_message(rc, err), rc=rc, stderr=err)
    rc, out, err = module.run_command([ctl] + link + ['read'] + p['pages'], check_rc=False)
    settings = parse_json(out)
    if rc != 0 or settings is None:
        module.fail_json(msg=failure_message(rc, err), rc=rc, stderr=err)

    facts = dict(model=identity.get('model'), link=identity.get('link'), settings=settings)
    station = (settings.get('system') or {}).get('station_number')
    if station is not None:
        facts['station_number'] = station
    module.exit_json(changed=False, ansible_facts=dict(tl380_collector=facts))


if __name__ == '__main__':
    main()
