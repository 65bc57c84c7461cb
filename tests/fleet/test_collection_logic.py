# The collection's mapping between Ansible's options and tl380ctl: what it sends, what it reports.
import json
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'ansible'))

from ansible_collections.tl380.fleet.plugins.filter.fleet_conflicts import fleet_conflicts  # noqa: E402
from ansible_collections.tl380.fleet.plugins.module_utils import tl380ctl  # noqa: E402


class SettingArguments(unittest.TestCase):
    def test_each_setting_is_one_set_option_in_key_order(self):
        self.assertEqual(tl380ctl.setting_args({'system.transmission_cycle': '15min',
                                                'system.station_number': '00042'}),
                         ['--set', 'system.station_number=00042', '--set', 'system.transmission_cycle=15min'])

    def test_a_number_is_refused_because_yaml_may_have_read_it_as_octal(self):
        # station_number: 00042 unquoted arrives as 34
        with self.assertRaisesRegex(tl380ctl.ArgumentError, 'system.station_number.*quote it'):
            tl380ctl.setting_args({'system.station_number': 34})
        with self.assertRaisesRegex(tl380ctl.ArgumentError, 'gprs.gprs_enable'):
            tl380ctl.setting_args({'gprs.gprs_enable': True})

    def test_a_key_that_could_pass_for_an_option_is_refused(self):
        for key in ('--restore', 'station_number', 'system.station_number=1'):
            with self.assertRaises(tl380ctl.ArgumentError):
                tl380ctl.setting_args({key: '1'})


class ProfileSource(unittest.TestCase):
    def test_a_file_named_like_an_option_or_standard_input_goes_by_its_full_path(self):
        for name in ('-', '--restore', 'office.json'):
            path, stdin = tl380ctl.profile_source(path=name)
            self.assertTrue(os.path.isabs(path), path)
            self.assertIsNone(stdin)

    def test_an_inline_profile_goes_on_standard_input_unchanged(self):
        data = {'rs485': {'meter_type': 14}, 'system': {'transmission_cycle': '15min'}}
        path, stdin = tl380ctl.profile_source(data=data)
        self.assertEqual(path, '-')
        self.assertEqual(json.loads(stdin), data)


class Outcome(unittest.TestCase):
    def test_changed_when_anything_was_sent_even_unconfirmed(self):
        self.assertEqual(tl380ctl.sent_keys({'changed': [], 'already_right': ['system.x'], 'kept': ['a.b']}), [])
        self.assertEqual(tl380ctl.sent_keys({'written': ['system.y'], 'uncertain': ['system.z']}),
                         ['system.y', 'system.z'])
        self.assertEqual(tl380ctl.sent_keys(None), [])

    def test_the_message_is_tl380ctls_own_line(self):
        err = 'system.x: failed: the collector refused it\ntl380ctl: 127.0.0.1:7009: cannot connect: refused\n'
        self.assertEqual(tl380ctl.failure_message(3, err), 'tl380ctl: 127.0.0.1:7009: cannot connect: refused')
        self.assertIn('link error', tl380ctl.failure_message(3, ''))

    def test_output_that_is_not_one_object_is_no_summary(self):
        for out in ('', 'ZZZZCFGSET#ST:00042#\n', '[1, 2]', '{"changed": [', None):
            self.assertIsNone(tl380ctl.parse_json(out))

    def test_diff_after_a_write_shows_only_what_was_sent(self):
        rows = [{'key': 'system.transmission_cycle', 'collector': '1min', 'profile': '15min'},
                {'key': 'gprs.apn', 'collector': 'CMNET', 'profile': 'FIELDNET'}]
        self.assertEqual(tl380ctl.diff_of(rows, ['system.transmission_cycle']),
                         {'before': 'system.transmission_cycle: 1min\n', 'after': 'system.transmission_cycle: 15min\n'})
        self.assertEqual(tl380ctl.diff_of(rows)['before'], 'gprs.apn: CMNET\nsystem.transmission_cycle: 1min\n')


class FleetConflicts(unittest.TestCase):
    def test_one_number_with_or_without_leading_zeros_is_one_station(self):
        hostvars = {'a': {'tl380_gateway': '127.0.0.1:7001', 'station_number': '00042'},
                    'b': {'tl380_gateway': '127.0.0.1:7002', 'station_number': '42'},
                    'c': {'tl380_serial': '/dev/ttyUSB0', 'station_number': ' 042'},
                    'd': {'tl380_serial': '/dev/ttyUSB1', 'station_number': '00043'}}
        self.assertEqual(fleet_conflicts(hostvars, ['a', 'b', 'c', 'd']), ['station number 00042 is given to a, b, c'])

    def test_one_gateway_port_twice_and_a_host_without_a_link(self):
        hostvars = {'a': {'tl380_gateway': '127.0.0.1'}, 'b': {'tl380_gateway': '127.0.0.1:7000'}, 'c': {}}
        self.assertEqual(fleet_conflicts(hostvars, ['a', 'b', 'c']),
                         ['c: no link: give tl380_serial or tl380_gateway', 'gateway 127.0.0.1:7000 is given to a, b'])

    def test_an_unquoted_station_number_is_refused(self):
        problems = fleet_conflicts({'a': {'tl380_serial': '/dev/ttyUSB0', 'station_number': 34}}, ['a'])
        self.assertEqual(len(problems), 1)
        self.assertIn('quote it', problems[0])


if __name__ == '__main__':
    unittest.main()
