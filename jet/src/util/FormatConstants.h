#pragma once

#include <cstdint>

// Byte layout of Jet 4.0 files. All integers little-endian unless noted.
namespace jet::fmt {

// ---- Page 0, the database header ----
// 0x00 type 0 | 0x04 "Standard Jet DB" | 0x14 version | 0x18..0x97 masked block | 0x98 0x654 | 0x9C "4.0\0"
constexpr uint32_t kHeaderMagicOffset = 0x04;
constexpr uint32_t kHeaderVersionOffset = 0x14;
constexpr uint8_t kVersionJet3 = 0x00;
constexpr uint8_t kVersionJet4 = 0x01;
constexpr uint32_t kHeaderMaskStart = 0x18;
constexpr uint32_t kHeaderMaskLength = 128;
constexpr uint32_t kHeaderCodePage = 0x3C;      // u16
constexpr uint32_t kHeaderEncryptionKey = 0x3E; // u32, 0 = pages not encrypted
constexpr uint32_t kHeaderPassword = 0x42;      // 40 bytes UCS-2, XOR creation-date mask
constexpr uint32_t kHeaderPasswordLength = 40;
constexpr uint32_t kHeaderSortOrder = 0x6E;    // u16 LCID, u8 sort id, u8 version
constexpr uint32_t kHeaderCreationDate = 0x72; // double
constexpr uint32_t kHeaderCommitSlots = 0xE00; // 256 x 2 bytes

// ---- Common page header ----
// Page numbers are 24 bits wherever a row pointer names them.
constexpr uint32_t kMaxPageCount = 0x1000000;

enum class PageType : uint8_t {
    kHeader = 0x00,
    kData = 0x01,
    kTableDefinition = 0x02,
    kIndexNode = 0x03,
    kIndexLeaf = 0x04,
    kUsageBitmap = 0x05,
    kReleasedDefinition = 0x08,
    kReleasedData = 0x09,
};

// ---- Data page (type 1) ----
// 0 type | 1 0x01 | 2 free u16 | 4 owner u32 | 8 u32 (chain stamp on LVAL) | 12 slot count u16 | 14 slots u16[]
constexpr uint32_t kDataFreeSpace = 0x02;
constexpr uint32_t kDataOwner = 0x04;
constexpr uint32_t kDataStamp = 0x08;
constexpr uint32_t kDataRowCount = 0x0C;
constexpr uint32_t kDataSlots = 0x0E;
constexpr uint32_t kLongValueOwner = 0x4C41564C; // "LVAL"
constexpr uint16_t kSlotOffsetMask = 0x1FFF;
constexpr uint16_t kSlotHidden = 0x8000;   // moved row's target, or with 0x4000 a deleted row
constexpr uint16_t kSlotOverflow = 0x4000; // the row holds a pointer to its data
constexpr uint16_t kSlotDeleted = 0xC000;
constexpr uint32_t kMaxSlots = 255;
constexpr uint32_t kMaxRowSize = 4060;
constexpr uint32_t kEmptyDataFree = 4096 - kDataSlots; // 4082

// ---- Table definition (type 2) ----
// 0 type | 1 0x01 | 2 free u16 | 4 next page u32 ; continuation pages carry data from offset 8
constexpr uint32_t kTdefNextPage = 0x04;
constexpr uint32_t kTdefContinuationData = 0x08;
constexpr uint32_t kTdefLength = 0x08;
constexpr uint32_t kTdefMagic = 0x0C; // 1625
constexpr uint32_t kTdefRowCount = 0x10;
constexpr uint32_t kTdefAutoNumber = 0x14;
constexpr uint32_t kTdefAutoIncrement = 0x18;
constexpr uint32_t kTdefTableType = 0x28;
constexpr uint32_t kTdefMaxColumns = 0x29;
constexpr uint32_t kTdefVarColumns = 0x2B;
constexpr uint32_t kTdefColumnCount = 0x2D;
constexpr uint32_t kTdefLogicalIndexCount = 0x2F;
constexpr uint32_t kTdefRealIndexCount = 0x33;
constexpr uint32_t kTdefOwnedMap = 0x37;
constexpr uint32_t kTdefFreeMap = 0x3B;
constexpr uint32_t kTdefBody = 0x3F;
constexpr uint32_t kTdefMagicValue = 1625;
constexpr uint32_t kRealIndexMagicValue = 1923;
constexpr uint32_t kStatsBlockSize = 12;
constexpr uint32_t kColumnBlockSize = 25;
constexpr uint32_t kRealIndexBlockSize = 52;
constexpr uint32_t kLogicalIndexBlockSize = 28;
constexpr uint32_t kLongValueMapEntrySize = 10;
constexpr uint32_t kMaxIndexColumns = 10;
constexpr uint32_t kMaxNameBytes = 128; // 64 UCS-2 characters

// Column descriptor, offsets inside the 25-byte block.
// 0 type | 1 1625 | 5 number u16 | 7 var index u16 | 9 number copy | 11 lcid/precision | 12 lcid hi/scale
// 13 sort id | 14 sort version | 15 flags | 16 ext flags | 17 zero u32 | 21 fixed offset u16 | 23 length u16
constexpr uint32_t kColType = 0;
constexpr uint32_t kColNumber = 5;
constexpr uint32_t kColVarIndex = 7;
constexpr uint32_t kColOrdinal = 9;
constexpr uint32_t kColPrecision = 11;
constexpr uint32_t kColScale = 12;
constexpr uint32_t kColSortOrder = 11;
constexpr uint32_t kColFlags = 15;
constexpr uint32_t kColExtFlags = 16;
constexpr uint32_t kColFixedOffset = 21;
constexpr uint32_t kColLength = 23;
constexpr uint8_t kColFlagFixed = 0x01;
constexpr uint8_t kColFlagUpdatable = 0x02;
constexpr uint8_t kColFlagAutoLong = 0x04;
constexpr uint8_t kColFlagAutoGuid = 0x40;
constexpr uint8_t kColFlagHyperlink = 0x80;
constexpr uint8_t kColExtCompressed = 0x01;

// ---- Long values ----
// descriptor: u32 length | kind in bits 30-31 | row pointer u32 | stamp u32 | inline data
constexpr uint32_t kLongValueDescriptorSize = 12;
constexpr uint32_t kLongValueInline = 0x80000000;
constexpr uint32_t kLongValueSingle = 0x40000000;
constexpr uint32_t kLongValueLengthMask = 0x3FFFFFFF;

// ---- Usage maps ----
constexpr uint8_t kMapInline = 0x00;
constexpr uint8_t kMapReference = 0x01;
constexpr uint32_t kMapRecordSize = 69;
constexpr uint32_t kReferenceSlots = 17;
constexpr uint32_t kBitmapPageHeader = 4;
constexpr uint32_t kPagesPerBitmapPage = (4096 - kBitmapPageHeader) * 8; // 32736

// ---- Catalog ----
constexpr uint32_t kCatalogPage = 2;
constexpr int32_t kTablesContainerId = 0x0F000001;
constexpr int16_t kObjectTypeTable = 1;
constexpr uint32_t kSystemObjectFlags = 0x80000002;

} // namespace jet::fmt
