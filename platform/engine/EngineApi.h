#pragma once
// The radio engine's C interface. Engines and devices are named by 16-bit handles (1 to 0x7FFF);
// results are 16-bit statuses, 0 when done and bit 15 set on failure, so a handle is never
// mistaken for a failure. A call on handle 0, an unknown handle or a handle of the wrong kind
// fails cleanly. A radio name is the radio's section of the settings file. The engine reaches
// the program only by messages posted to the window given at creation or by scan_device_hwnd.

#include "platform/engine/GlobalRadioConfig.h"
#include "platform/records/EngineCommandRecord.h"
#include "platform/records/Parm.h"
#include "platform/records/SpanPoint.h"
#include "platform/win/WinTypes.h"

#include <cstdint>

// Receives a device's audio samples; the simulated devices have none to give.
using scan_wave_callback = void (*)(void* context, const std::uint8_t* samples,
                                    std::uint32_t bytes);

extern "C" {

// Engine life. `program` is a compiled scan program; the engine copies it, so the caller may
// free its block as soon as the call returns. The engine's copy stays readable through
// scan_program_from_id with the id in the engine status, until the next reload or the end of
// the engine. The engine status names the engine's device and tone device.
std::uint16_t scan_create_single_engine(const char* name, const void* program, HWND window,
                                        std::uint32_t reserved);
// Also opens the tone reader connected to the radio, when one is (its failure: 0x9C00).
std::uint16_t scan_create_single_tone(const char* name, const void* program, HWND window,
                                      std::uint32_t reserved);
std::uint16_t scan_engine_command(std::uint16_t engine, const EngineCommandRecord* record);
// Fills exactly 13,644 bytes.
std::uint16_t scan_engine_status(std::uint16_t engine, void* buffer);
std::uint16_t scan_reload_engine(std::uint16_t engine, const void* program);
// Ends the engine and closes the devices it opened.
std::uint16_t scan_destroy_engine(std::uint16_t engine);
// Joins a Multi-Radio pair: `engine` (the primary) drives `other` (the secondary), which then
// listens to the channels the primary hits (held in the primary's status queue) and starts,
// pauses and stops with it. Each engine leaves any pair it was in; other = 0 only leaves. A
// destroyed engine leaves its pair.
std::uint16_t scan_engine_join(std::uint16_t engine, std::uint16_t other);
// 0 with a record (106 or 32 bytes) filled; non-zero once the queue is empty.
std::uint16_t scan_get_history(std::uint16_t engine, void* record);
std::uint16_t scan_get_dtmf(std::uint16_t engine, void* record);
const void* scan_program_from_id(std::uint32_t id);

// Devices. Closing an engine's device ends the engine too.
std::uint16_t scan_open_device(const char* name, HWND window, std::uint32_t reserved);
std::uint16_t scan_close_device(std::uint16_t device);
// Fills exactly 4,150 bytes.
std::uint16_t scan_device_status(std::uint16_t device, void* buffer);
// Notifications go to `window` from now on; those already posted keep their window.
std::uint16_t scan_device_hwnd(std::uint16_t device, HWND window);

// Device requests. Each completes at once; a request that changes the device posts a status
// message to its window.
std::uint16_t scan_device_stop(std::uint16_t device);
std::uint16_t scan_device_wave_interface(std::uint16_t device, scan_wave_callback callback,
                                         void* context);
std::uint16_t scan_device_wait(std::uint16_t device);
std::uint16_t scan_device_break(std::uint16_t device);
// 0x8400: the radio asks for the record to be sent again.
std::uint16_t scan_device_vfo_fast_write(std::uint16_t device, const parm* record);
std::uint16_t scan_device_control(std::uint16_t device, std::uint32_t control);
std::uint16_t scan_device_monitor(std::uint16_t device, const parm* record);
std::uint16_t scan_device_mem_write(std::uint16_t device, const parm* record);
std::uint16_t scan_device_mem_read(std::uint16_t device, const parm* record);
std::uint16_t scan_device_mem_to_vfo(std::uint16_t device, parm* record);
// The low byte of the value is the level.
std::uint16_t scan_device_set_volume(std::uint16_t device, const std::uint32_t* value);
std::uint16_t scan_device_set_squelch(std::uint16_t device, const std::uint32_t* value);
std::uint16_t scan_device_set_vsc(std::uint16_t device, std::uint32_t value);
// The level last set.
std::uint16_t scan_device_get_volume(std::uint16_t device);
std::uint16_t scan_device_get_squelch(std::uint16_t device);
std::uint16_t scan_device_pre_upload(std::uint16_t device, parm* record);
std::uint16_t scan_device_post_upload(std::uint16_t device, parm* record);
std::uint16_t scan_device_pre_download(std::uint16_t device, parm* record);
std::uint16_t scan_device_post_download(std::uint16_t device, parm* record);
std::uint16_t scan_device_get_bank_name(std::uint16_t device, parm* record);
std::uint16_t scan_device_set_bank_name(std::uint16_t device, const parm* record);
// The text is echoed in the device status's transmit text.
std::uint16_t scan_device_raw_command(std::uint16_t device, const char* command);

// Sweeps. The simulated devices take a sweep but deliver no readings and no blocks.
std::uint16_t scan_spectrum(std::uint16_t device, const parm* record);
// 0: a reading was returned.
std::uint16_t span_get_data(std::uint16_t device, SpanPoint* point);
// Bit 15 set: no block.
std::uint32_t span_get_block(std::uint16_t device, void* buffer, std::uint32_t reserved);
std::uint32_t span_get_block_size(std::uint16_t device, std::uint32_t reserved);

// Direct functions.
std::uint16_t scan_set_product_info(std::uint16_t id1, std::uint16_t id2, std::uint8_t v0,
                                    std::uint8_t v1, std::uint8_t v2, std::uint8_t v3,
                                    std::uint32_t extra0, std::uint32_t extra1,
                                    std::uint32_t extra2);
// Milliseconds of the clock.
std::uint32_t scan_timer_read();
// Seconds since 1970.
std::uint16_t scan_get_time(std::uint32_t* seconds);
// Texts may be null.
std::uint16_t scan_alarm(std::uint32_t index, const char* title, const char* caption,
                         const char* text, const char* detail);
// Numbered message over the window; the button pressed: 1 OK, 2 Cancel, 4 Retry. A message with a
// text of its own is a message box; the others are answered by the simulator's script.
int scan_message(HWND window, std::uint32_t number);
// Returns after `ms` milliseconds of the clock.
std::uint16_t scan_delay(std::uint32_t ms);
// A call by number. kApiCallTimerStatistics fills `block` with the TimerStatistics record; the
// other arguments are 0. kApiCallToneReport takes a ToneReport for the tone device `handle` of an
// engine, which then shows its ID as current. Other numbers are not supported.
std::uint16_t scan_api_call(std::uint32_t code, std::uint32_t handle, std::uint32_t value,
                            void* block, std::uint32_t reserved);
// The engine's trace: op 1 asks whether it runs (nonzero: it runs), 0 stops it, 255 starts it
// afresh in the file `path`, one line per engine call from then on. Starting fails with
// kStatusInvalidArgument without a path and with kStatusNoFile when the file cannot be written;
// other ops are not supported.
std::uint16_t scan_trace_control(std::uint16_t op, const char* path);

// Configuration. Both make `path` the settings file the engine reads radios from.
// 0: at least one radio of "Radios" can be driven (a known "Type" and a "Port" of "SIM" or a
// serial device path).
std::uint16_t scan_config_check(const char* path);
// Never writes the file: 0 when it is usable, as scan_config_check.
std::uint16_t scan_config_init(const char* path);
// A settings page of the engine (2 to 5). The simulated engine keeps no settings beyond its
// radios, so every page answers "not supported" and changes nothing.
std::uint16_t scan_configuration(const char* path, std::uint32_t page);

} // extern "C"
