# -*- coding: utf-8 -*-
# The inventory mistakes that would give two collectors one identity, found before anything is sent.
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
name: fleet_conflicts
short_description: What in an inventory of collectors would give two of them one identity
description:
  - Takes hostvars and a list of host names; returns one message per conflict, none when there is none.
  - Two hosts with the same station number (00042 and 42 are one number), two hosts on the same link
    (the same serial device, or the same gateway address and port), a host with no link, and a station
    number that is not quoted text (YAML reads 00042 as the octal number 34).
  - Host variables read are station_number, tl380_serial and tl380_gateway.
options:
  _input:
    description: hostvars
    type: dict
    required: true
  hosts:
    description: The host names to check, e.g. C(groups['collectors']).
    type: list
    elements: str
    required: true
'''

EXAMPLES = r'''
- name: No two collectors share a station number or a link
  run_once: true
  ansible.builtin.assert:
    that: conflicts | length == 0
    fail_msg: "{{ conflicts | join('; ') }}"
  vars:
    conflicts: "{{ hostvars | tl380.fleet.fleet_conflicts(groups['collectors']) }}"
'''

RETURN = r'''
_value:
  description: One message per conflict.
  type: list
  elements: str
'''

import os
import re

DEFAULT_GATEWAY_PORT = 7000


def station_value(text):
    """The number a station number's digits stand for (00042 is 42), None when it is not digits."""
    text = text.strip()
    return int(text) if re.match(r'^[0-9]+$', text) else None


def link_of(variables):
    if variables.get('tl380_serial'):
        return 'serial device %s' % os.path.normpath(str(variables['tl380_serial']))
    if variables.get('tl380_gateway'):
        address = str(variables['tl380_gateway'])
        if ':' not in address:
            address = '%s:%d' % (address, DEFAULT_GATEWAY_PORT)
        return 'gateway %s' % address
    return None


def fleet_conflicts(hostvars, hosts):
    problems = []
    stations = {}
    links = {}
    for host in hosts:
        variables = hostvars[host]
        link = link_of(variables)
        if link is None:
            problems.append('%s: no link: give tl380_serial or tl380_gateway' % host)
        else:
            links.setdefault(link, []).append(host)
        if 'station_number' not in variables:
            continue
        station = variables['station_number']
        if not isinstance(station, str):
            problems.append('%s: station_number %r is not text: quote it, e.g. "00042" (YAML reads 00042 as '
                            'the octal number 34)' % (host, station))
            continue
        value = station_value(station)
        stations.setdefault(station.strip() if value is None else value, []).append(host)
    for number, names in sorted(stations.items(), key=lambda item: str(item[0])):
        if len(names) > 1:
            shown = '%05d' % number if isinstance(number, int) else number
            problems.append('station number %s is given to %s' % (shown, ', '.join(names)))
    for link, names in sorted(links.items()):
        if len(names) > 1:
            problems.append('%s is given to %s' % (link, ', '.join(names)))
    return problems


class FilterModule(object):
    def filters(self):
        return {'fleet_conflicts': fleet_conflicts}
