// The warning texts of failed loads, inserts and saves.
#pragma once

#include <string>
#include <string_view>

namespace velto {

namespace TransferPrefix {
inline constexpr std::string_view LoadNoMemory = "Failed to allocate memory while loading file.\n\n";
inline constexpr std::string_view LoadFile = "Error while loading file.\n\n";
inline constexpr std::string_view LoadUnknown = "Unknown failure while loading file";
inline constexpr std::string_view InsertFile = "Error while inserting file.\n\n";
inline constexpr std::string_view InsertUnknown = "Unknown failure while inserting file.";
inline constexpr std::string_view SaveFile = "Error while saving file.\n\n";
inline constexpr std::string_view SaveUnknown = "Unknown failure while saving file.";
} // namespace TransferPrefix

// How a transfer between a file and the text failed.
enum class TransferFailure { None, File, Memory, Other };

// The warning of a failed load, insert or save: the fixed text for the kind of failure,
// followed by the failure's own description where the kind has one.
std::string LoadFailureMessage(TransferFailure failure, std::string_view description);
std::string InsertFailureMessage(TransferFailure failure, std::string_view description);
std::string SaveFailureMessage(TransferFailure failure, std::string_view description);

// The message is built in a 512-byte buffer: the prefix, then as much of the failure's
// own description as fits with the terminator; a multi-byte character is never cut.
std::string TransferMessage(std::string_view prefix, std::string_view description);

} // namespace velto
