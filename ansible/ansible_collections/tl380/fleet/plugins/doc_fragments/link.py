# -*- coding: utf-8 -*-
# The options every module of the collection takes: the collector's link and how tl380ctl is run.
from __future__ import absolute_import, division, print_function

__metaclass__ = type


class ModuleDocFragment(object):
    DOCUMENTATION = r'''
options:
  serial:
    description: The serial device the collector is on, e.g. C(/dev/ttyUSB0). Give this or I(gateway).
    type: str
  gateway:
    description:
      - The network gateway in front of the collector, C(A.B.C.D[:PORT]) (port 7000 by default). A dotted
        IPv4 address only; no name is looked up. Give this or I(serial).
    type: str
  timeout:
    description: Seconds of silence allowed after the last byte of an answer (tl380ctl's default is 3).
    type: float
  retries:
    description: How many times tl380ctl sends a command again that got no answer.
    type: int
  tl380ctl:
    description: The tl380ctl program, a name looked up in PATH or a path.
    type: str
    default: tl380ctl
'''
