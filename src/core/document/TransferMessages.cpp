// The warning texts of failed loads, inserts and saves.
#include "core/document/TransferMessages.h"

namespace velto {

std::string TransferMessage(std::string_view prefix, std::string_view description) {
    constexpr std::size_t BufferSize = 512;
    std::string out(prefix.substr(0, BufferSize - 1));
    std::size_t room = BufferSize - 1 - out.size();
    if (description.size() > room) {
        // Step back over UTF-8 continuation bytes so the cut falls between characters.
        while (room > 0 && (static_cast<unsigned char>(description[room]) & 0xC0) == 0x80)
            --room;
        description = description.substr(0, room);
    }
    out += description;
    return out;
}

std::string LoadFailureMessage(TransferFailure failure, std::string_view description) {
    switch (failure) {
    case TransferFailure::None:
        return {};
    case TransferFailure::File:
        return TransferMessage(TransferPrefix::LoadFile, description);
    case TransferFailure::Memory:
        return TransferMessage(TransferPrefix::LoadNoMemory, description);
    case TransferFailure::Other:
        break;
    }
    return std::string(TransferPrefix::LoadUnknown);
}

std::string InsertFailureMessage(TransferFailure failure, std::string_view description) {
    if (failure == TransferFailure::None)
        return {};
    if (failure == TransferFailure::File)
        return TransferMessage(TransferPrefix::InsertFile, description);
    return std::string(TransferPrefix::InsertUnknown);
}

std::string SaveFailureMessage(TransferFailure failure, std::string_view description) {
    if (failure == TransferFailure::None)
        return {};
    if (failure == TransferFailure::File)
        return TransferMessage(TransferPrefix::SaveFile, description);
    return std::string(TransferPrefix::SaveUnknown);
}

} // namespace velto
