#pragma once

#include <QByteArray>

#include <array>

namespace sim {

// One direct-read channel of the RS485 port ("MAD3:" to "MAD6:", "MPU3:" to "MPU5:").
struct DirectReadChannel
{
    int commandCode = 0;
    QByteArray address;
    QByteArray length = "0";
    int dataFormat = 0;
    QByteArray coefficient = "00001";
};

// One user command slot: its request frame and the three parsing bytes of the answer.
struct CommandSlot
{
    int enabled = 0;
    QByteArray frame = "0103000000044409";
    QByteArray parsingBytes = "010300";
};

// Engineering range of one analog current input, each value five characters wide.
struct AnalogRange
{
    QByteArray upper = "20000";
    QByteArray lower = "04000";
    QByteArray startingPoint = "00000";
};

// Everything "Parameter Initialization" puts back to its factory value.
struct CollectorSettings
{
    // system
    int station = 12;
    int transmissionCycle = 1; // 0 NO_SEND ... 11 30s
    int retention = 3;         // 0 NO_SAVE ... 6 clear history
    int outputDelay = 5;       // seconds, 0..90

    // GPRS
    int connectionMethod = 1; // 0 by name, 1 by address
    int networkType = 0;
    QByteArray apn = "CMNET";
    QByteArray user = "user";
    QByteArray password;
    int accessMethod = 1;
    std::array<int, 4> centreAddress{10, 1, 2, 3};
    QByteArray centreName = "center";
    int centrePort = 5001;
    int heartbeat = 60;
    int redial = 30;
    int protocol = 0; // 0 TCP, 1 UDP
    int gprsEnabled = 1;
    QByteArray obtainedAddress = "010.000.000.005";
    QByteArray moduleFlags = "00000"; // module, SIM, registration, GPRS, centre

    // channels
    std::array<int, 6> adSource{1, 2, 7, 8, 0, 9};
    std::array<AnalogRange, 4> ranges{};
    std::array<int, 2> digitalInputMode{0, 1}; // 0 digital signal, 1 pulse counting
    std::array<qint64, 2> pulseBase{0, 0};
    std::array<int, 2> pulseEquivalent{10, 100};
    std::array<int, 3> totalizerSource{1, 2, 0};

    // RS485
    int baudRate = 3; // 9600
    int parity = 0;
    int stopBits = 0;
    int rtsDelay = 29;
    int meterType = 0;
    std::array<DirectReadChannel, 4> analogReads{
        DirectReadChannel{0, "003", "0", 0, "00001"}, DirectReadChannel{0, "007", "0", 0, "00001"},
        DirectReadChannel{0, "011", "0", 0, "00001"}, DirectReadChannel{0, "015", "0", 0, "00001"}};
    std::array<DirectReadChannel, 3> pulseReads{DirectReadChannel{0, "003", "0", 0, "00001"},
                                                DirectReadChannel{0, "007", "0", 0, "00001"},
                                                DirectReadChannel{0, "011", "0", 0, "00001"}};
    std::array<CommandSlot, 4> commandSlots{};
    QByteArray calibrationFrame = "0103000000044409";
};

} // namespace sim
