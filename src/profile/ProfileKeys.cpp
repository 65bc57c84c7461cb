#include "profile/ProfileKeys.h"

#include "commands/CommandTable.h"
#include "commands/DropDownItems.h"

#include <algorithm>
#include <array>

namespace {

// clang-format off
const ProfileKey keys[] = {
    // page        key                          control       button
    {"system",   "station_number",            "Edit7",      "Button4"},
    {"system",   "transmission_cycle",        "ComboBox8",  "Button3"},
    {"system",   "data_retention_period",     "ComboBox9",  "Button2"},
    {"system",   "power_output_delay",        "Edit2",      "Button50"},
    {"gprs",     "network_type",              "NETCS",      "Button38"},
    {"gprs",     "apn",                       "APNname",    "Button27"},
    {"gprs",     "user",                      "DNSuser",    "Button147"},
    {"gprs",     "password",                  "DNSpass",    "Button146"},
    {"gprs",     "centre_name",               "Edit22",     "Button26"},
    {"gprs",     "centre_address_1",          "IP1_1",      "Button25"},
    {"gprs",     "centre_address_2",          "IP1_2",      "Button25"},
    {"gprs",     "centre_address_3",          "IP1_3",      "Button25"},
    {"gprs",     "centre_address_4",          "IP1_4",      "Button25"},
    {"gprs",     "centre_port",               "Edit18",     "Button28"},
    {"gprs",     "heartbeat",                 "Edit19",     "Button29"},
    {"gprs",     "redial",                    "Edit20",     "Button30"},
    {"gprs",     "protocol",                  "ComboBox11", "Button31"},
    {"gprs",     "gprs_enable",               "ComboBox14", "Button6"},
    {"channels", "ad1_source",                "AD01TNG",    "Button33"},
    {"channels", "ad2_source",                "AD02TNG",    "Button34"},
    {"channels", "ad3_source",                "AD03TNG",    "Button35"},
    {"channels", "ad4_source",                "AD04TNG",    "Button18"},
    {"channels", "ad5_source",                "AD05TNG",    "Button20"},
    {"channels", "ad6_source",                "AD06TNG",    "Button8"},
    {"channels", "ain1_upper",                "AD1H",       "Button40"},
    {"channels", "ain1_lower",                "AD1L",       "Button40"},
    {"channels", "ain1_start",                "AD1LD",      "Button40"},
    {"channels", "ain2_upper",                "AD2H",       "Button42"},
    {"channels", "ain2_lower",                "AD2L",       "Button42"},
    {"channels", "ain2_start",                "AD2LD",      "Button42"},
    {"channels", "ain3_upper",                "AD3H",       "Button24"},
    {"channels", "ain3_lower",                "AD3L",       "Button24"},
    {"channels", "ain3_start",                "AD3LD",      "Button24"},
    {"channels", "ain4_upper",                "AD4H",       "Button36"},
    {"channels", "ain4_lower",                "AD4L",       "Button36"},
    {"channels", "ain4_start",                "AD4LD",      "Button36"},
    {"channels", "din1_mode",                 "DIN1",       "Button46"},
    {"channels", "din2_mode",                 "DIN2",       "Button47"},
    {"channels", "p01_source",                "INP1",       "Button22"},
    {"channels", "p02_source",                "INP2",       "Button23"},
    {"channels", "p03_source",                "INP3",       "Button17"},
    {"channels", "pulse_equivalent_1",        "DLA1",       "Button95"},
    {"channels", "pulse_equivalent_2",        "DLA2",       "Button96"},
    {"rs485",    "meter_type",                "RS485AXIEY", "Button78"},
    {"rs485",    "baud_rate",                 "MR485BT",    "Button11"},
    {"rs485",    "parity",                    "MR485JN",    "Button11"},
    {"rs485",    "stop_bits",                 "RS485STOP",  "Button11"},
    {"rs485",    "rts_delay",                 "RS485DTM",   "Button83"},
    {"rs485",    "mad3_command_code",         "MAD1USE",    "Button170"},
    {"rs485",    "mad3_address",              "MAD1MADR",   "Button170"},
    {"rs485",    "mad3_length",               "MAD1DADR",   "Button170"},
    {"rs485",    "mad3_data_format",          "MAD1XIN",    "Button170"},
    {"rs485",    "mad3_coefficient",          "MAD1XS",     "Button170"},
    {"rs485",    "mad4_command_code",         "MAD2USE",    "Button171"},
    {"rs485",    "mad4_address",              "MAD2MADR",   "Button171"},
    {"rs485",    "mad4_length",               "MAD2DADR",   "Button171"},
    {"rs485",    "mad4_data_format",          "MAD2XIN",    "Button171"},
    {"rs485",    "mad4_coefficient",          "MAD2XS",     "Button171"},
    {"rs485",    "mad5_command_code",         "MAD3USE",    "Button172"},
    {"rs485",    "mad5_address",              "MAD3MADR",   "Button172"},
    {"rs485",    "mad5_length",               "MAD3DADR",   "Button172"},
    {"rs485",    "mad5_data_format",          "MAD3XIN",    "Button172"},
    {"rs485",    "mad5_coefficient",          "MAD3XS",     "Button172"},
    {"rs485",    "mad6_command_code",         "MAD4USE",    "Button12"},
    {"rs485",    "mad6_address",              "MAD4MADR",   "Button12"},
    {"rs485",    "mad6_length",               "MAD4DADR",   "Button12"},
    {"rs485",    "mad6_data_format",          "MAD4XIN",    "Button12"},
    {"rs485",    "mad6_coefficient",          "MAD4XS",     "Button12"},
    {"rs485",    "mpu3_command_code",         "MPD1USE",    "Button174"},
    {"rs485",    "mpu3_address",              "MPD1MADR",   "Button174"},
    {"rs485",    "mpu3_length",               "MPD1DADR",   "Button174"},
    {"rs485",    "mpu3_data_format",          "MPD1XIN",    "Button174"},
    {"rs485",    "mpu3_coefficient",          "MPD1XS",     "Button174"},
    {"rs485",    "mpu4_command_code",         "MPD2USE",    "Button175"},
    {"rs485",    "mpu4_address",              "MPD2MADR",   "Button175"},
    {"rs485",    "mpu4_length",               "MPD2DADR",   "Button175"},
    {"rs485",    "mpu4_data_format",          "MPD2XIN",    "Button175"},
    {"rs485",    "mpu4_coefficient",          "MPD2XS",     "Button175"},
    {"rs485",    "mpu5_command_code",         "MPD3USE",    "Button16"},
    {"rs485",    "mpu5_address",              "MPD3MADR",   "Button16"},
    {"rs485",    "mpu5_length",               "MPD3DADR",   "Button16"},
    {"rs485",    "mpu5_data_format",          "MPD3XIN",    "Button16"},
    {"rs485",    "mpu5_coefficient",          "MPD3XS",     "Button16"},
    {"slots",    "slot1_enable",              "COMAD1",     "Button73"},
    {"slots",    "slot1_command",             "COMDDATA1",  "Button73"},
    {"slots",    "slot1_byte1",               "ACOMBY1",    "Button75"},
    {"slots",    "slot1_byte2",               "ACOMBY2",    "Button75"},
    {"slots",    "slot1_byte3",               "ACOMBY3",    "Button75"},
    {"slots",    "slot2_enable",              "COMAD2",     "Button7"},
    {"slots",    "slot2_command",             "COMDDATA2",  "Button7"},
    {"slots",    "slot2_byte1",               "BCOMBY1",    "Button80"},
    {"slots",    "slot2_byte2",               "BCOMBY2",    "Button80"},
    {"slots",    "slot2_byte3",               "BCOMBY3",    "Button80"},
    {"slots",    "slot3_enable",              "COMAD3",     "Button39"},
    {"slots",    "slot3_command",             "COMDDATA3",  "Button39"},
    {"slots",    "slot3_byte1",               "CCOMBY1",    "Button43"},
    {"slots",    "slot3_byte2",               "CCOMBY2",    "Button43"},
    {"slots",    "slot3_byte3",               "CCOMBY3",    "Button43"},
    {"slots",    "slot4_enable",              "COMAD4",     "Button48"},
    {"slots",    "slot4_command",             "COMDDATA4",  "Button48"},
    {"slots",    "slot4_byte1",               "DCOMBY1",    "Button51"},
    {"slots",    "slot4_byte2",               "DCOMBY2",    "Button51"},
    {"slots",    "slot4_byte3",               "DCOMBY3",    "Button51"},
};

const char *const systemQueries[] = {"Button32"};
const char *const gprsQueries[] = {"Button1"};
const char *const channelQueries[] = {"Button128"};
const char *const rs485Queries[] = {"Button84"};
const char *const slotQueries[] = {"Button76", "Button74", "Button81", "Button79",
                                   "Button44", "Button41", "Button54", "Button49"};

// The settings that identify one collector. Only the station number: the centre files a
// collector's data under it, and two collectors with one number report as one station.
// Left out, though often a site's own: the RS485 meter rows and addresses, the slot
// commands and the analog ranges (a site's units share them: the meters and sensors
// are alike), and a private APN's user and password (shared by a fleet's SIM cards;
// where each card has its own, give them with the collector's values).
const char *const identityControls[] = {"Edit7"};

const std::array<ProfilePage, 5> pages{{
    {"system",   systemQueries},
    {"gprs",     gprsQueries},
    {"channels", channelQueries},
    {"rs485",    rs485Queries},
    {"slots",    slotQueries},
}};
// clang-format on

} // namespace

std::span<const ProfileKey> profileKeys()
{
    return keys;
}

std::span<const ProfilePage> profilePages()
{
    return pages;
}

const ProfileKey *findProfileKey(const QString &page, const QString &key)
{
    for (const ProfileKey &k : keys)
        if (page == QLatin1String(k.page) && key == QLatin1String(k.key))
            return &k;
    return nullptr;
}

const ProfilePage *findProfilePage(const QString &page)
{
    for (const ProfilePage &p : pages)
        if (page == QLatin1String(p.page))
            return &p;
    return nullptr;
}

const CommandRow &setRowOf(const ProfileKey &key)
{
    return *findCommand(QLatin1String(key.button));
}

bool needsSerial(const ProfileKey &key)
{
    return setRowOf(key).route == Route::SerialOnly;
}

const char *queryOf(const ProfileKey &key)
{
    const ProfilePage &page = *findProfilePage(QLatin1String(key.page));
    if (page.queries.size() == 1)
        return page.queries.front();
    // Slot N is read by the N-th pair of queries: its command first, then its bytes.
    const QString name = QLatin1String(key.key);
    const int slot = name.mid(4, 1).toInt() - 1;
    const bool bytes = name.contains(QLatin1String("_byte"));
    return page.queries[size_t(slot * 2 + (bytes ? 1 : 0))];
}

QString fullName(const ProfileKey &key)
{
    return QLatin1String(key.page) + u'.' + QLatin1String(key.key);
}

bool identifiesCollector(const ProfileKey &key)
{
    return std::any_of(std::begin(identityControls), std::end(identityControls),
                       [&key](const char *control) { return qstrcmp(control, key.control) == 0; });
}

QStringList allowedItems(const ProfileKey &key)
{
    return dropDownItems(QLatin1String(key.control));
}
