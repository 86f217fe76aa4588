// The words that the kindFlags of knowledge base records are made of.
#pragma once

#include <cstdint>

namespace velto {

// Element classes: the kindFlags of an element, after its end-tag habits.
namespace ElementClass {
constexpr std::uint32_t Container = 0;
constexpr std::uint32_t Empty = 1;
constexpr std::uint32_t EndTagOptional = 2;
constexpr std::uint32_t TablePart = 0x16;
} // namespace ElementClass

// Attribute value kinds (low six bits) and the full words the attributes carry.
namespace AttKind {
constexpr std::uint32_t KindMask = 0x3f;

constexpr std::uint32_t ProgramUrl = 1;   // program or submission target
constexpr std::uint32_t DocumentUrl = 2;  // linked document
constexpr std::uint32_t ImageUrl = 3;     // image file
constexpr std::uint32_t SoundUrl = 4;     // sound file
constexpr std::uint32_t VideoUrl = 5;     // video or VRML world
constexpr std::uint32_t ScriptUrl = 6;    // script or class archive
constexpr std::uint32_t AppletBase = 7;   // applet code base
constexpr std::uint32_t ObjectBase = 8;   // object code base
constexpr std::uint32_t DataUrlKind = 20; // data, frame content, client-side map
constexpr std::uint32_t FlagKind = 21;
constexpr std::uint32_t TextKind = 22;
constexpr std::uint32_t ColourKind = 25;
constexpr std::uint32_t NumberKind = 26;
constexpr std::uint32_t ScriptHandlerKind = 27;
constexpr std::uint32_t StyleKind = 28;
constexpr std::uint32_t DateKind = 29;

// The words of whole kinds, with the bits the data carries beside the kind.
constexpr std::uint32_t DataUrl = 0x214;
constexpr std::uint32_t Flag = 0x15;
constexpr std::uint32_t Text = 0x16;
constexpr std::uint32_t Colour = 0xd9;
constexpr std::uint32_t Number = 0x15a;
constexpr std::uint32_t NumberOrPercent = 0x95a;
constexpr std::uint32_t Style = 0x1c;
constexpr std::uint32_t Date = 0x1d;
constexpr std::uint32_t ScriptHandler = 0x1b;

// Flag bits above the kind.
constexpr std::uint32_t ValueOptional = 0x100000; // empty value: written as the bare name
constexpr std::uint32_t List = 0x400000;          // list of words, or a language code
constexpr std::uint32_t Required = 0x800000;
constexpr std::uint32_t Enumerated = 0x1000000;
constexpr std::uint32_t Marker = 0x8000000; // CHECKED, DECLARE, MULTIPLE, SELECTED
constexpr std::uint32_t EventHolderWord = 0x10000016;

constexpr std::uint32_t OptionalNumber = ValueOptional | Number; // hex 10015A
constexpr std::uint32_t RequiredNumber = Required | Number;      // hex 80015A
constexpr std::uint32_t TextEnum = Enumerated | Text;            // hex 1000016
constexpr std::uint32_t TextList = List | Text;                  // hex 400016
} // namespace AttKind

// Flags of enumerated values.
namespace ValueFlags {
constexpr std::uint32_t Plain = 0x16;
constexpr std::uint32_t ManualEntry = 0x4000000; // the "&Other..." entry: the user types it
constexpr std::uint32_t AlsoAttributeName = 0x2000000;
constexpr std::uint32_t Other = ManualEntry | Plain;               // hex 4000016
constexpr std::uint32_t OtherNumber = ManualEntry | 0x15a;         // hex 400015A
constexpr std::uint32_t OtherRelative = ManualEntry | 0x65a;       // hex 400065A
constexpr std::uint32_t AttributeName = AlsoAttributeName | Plain; // hex 2000016
} // namespace ValueFlags

} // namespace velto
