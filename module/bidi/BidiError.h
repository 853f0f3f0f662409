// The reasons of failure that the classes of the bidirectional link keep in m_nError. Only
// BIDI_ERROR_CHANNEL_NOT_OFFERED changes the course of the status query; none is ever shown.
#pragma once

#include "platform/Win32Api.h"

constexpr int BIDI_ERROR_NONE = 0;
// CBidiLibrary's constructor.
constexpr int BIDI_ERROR_LOAD_LIBRARY = 1;
constexpr int BIDI_ERROR_NO_KWINITIALIZE = 2;
constexpr int BIDI_ERROR_NO_KWRELEASE = 3;
// CBidiChannel's constructor: the first function of its table that the library lacks.
constexpr int BIDI_ERROR_NO_KWGETDEVICEID = 4;
constexpr int BIDI_ERROR_NO_KWGETAVAILABLECHANNEL = 5;
constexpr int BIDI_ERROR_NO_KWOPENCHANNEL = 6;
constexpr int BIDI_ERROR_NO_KWCLOSECHANNEL = 7;
constexpr int BIDI_ERROR_NO_KWSEND = 8;
constexpr int BIDI_ERROR_NO_KWRECEIVE = 9;
constexpr int BIDI_ERROR_NO_KWGETSTATUS = 10;
constexpr int BIDI_ERROR_NO_KWRECEIVECANCEL = 11;
constexpr int BIDI_ERROR_NO_KWSETOPTION = 12;
constexpr int BIDI_ERROR_NO_KWGETOPTION = 13;
// CBidiLibrary::ReadStatus: the channel asked for is not listed, or its first entry is unusable.
constexpr int BIDI_ERROR_CHANNEL_NOT_OFFERED = 14;
// The channel operations: a call of the library function failed.
constexpr int BIDI_ERROR_GET_DEVICE_ID = 15;
constexpr int BIDI_ERROR_OPEN_CHANNEL = 16;
constexpr int BIDI_ERROR_CLOSE_CHANNEL = 17;
constexpr int BIDI_ERROR_GET_AVAILABLE_CHANNEL = 18;
constexpr int BIDI_ERROR_GET_STATUS = 19;

// What a channel operation returns when the library function it needs was not resolved: no call
// is made, and the operation fails with the code of that function. Chosen after Windows'
// ERROR_PROC_NOT_FOUND; the library's own results are small negative numbers.
constexpr LONG BIDI_RESULT_UNRESOLVED = -127;
