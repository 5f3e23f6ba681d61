#pragma once
// One check per fuzz target. Each takes the raw bytes libFuzzer made (or a
// saved input), feeds them to one text-reading routine of the program and
// asserts what the program relies on: no crash, no hang, results finite and
// not negative where they must be, the promised messages, and round trips
// where a text can be written back. Where a routine has modes, the first
// byte of the input chooses them and the rest is the text.

#include <string_view>

namespace zorvik::fuzz {

// ParseEntry, the adjust dialog's routine. Byte 0: bit 0 messages on,
// bits 1-3 the consecutive-empty count before the call, less one (-1 to 6).
void CheckParseEntry(std::string_view data);

// ReadEntryField, the selection window's routine. Byte 0: bit 0 metric
// units, bits 1-2 the field kind (0 pressure, 1 flow, 2 and 3 kinds the
// routine does not convert), bit 3 a hidden field.
void CheckReadEntryField(std::string_view data);

// ConvertEntryUnits, the selection window's unit switch, on a field's text
// as typed. Byte 0: bit 0 to metric (else to imperial), bit 1 a flow or
// volume field (else pressure), bit 2 a system decimal separator of ","
// (else ".").
void CheckConvertEntryUnits(std::string_view data);

// ParseOfficesFile, the reader of ZorvikAmplifierAddresses.txt. All bytes
// are the file.
void CheckOfficesFile(std::string_view data);

// DecodeOfficeIndex, the reader of ZCompanyIdx03.dat. All bytes are the
// file.
void CheckOfficeIndexFile(std::string_view data);

// FormatSelectionRow, the text of a result row, on any figures. Byte 0:
// bit 1 metric units, bit 2 vessel charging, bit 3 a decimal comma; byte 1
// the model; then three doubles: cycles per minute, air, flow or time.
void CheckSelectionRow(std::string_view data);

// SplitOptionRow, the graph window's reading of an accessory option row
// (part number, description, index; 0 when the index is no whole number).
// Byte 0: bit 0 clear, the rest is any row; set, bytes 1-4 are an index and
// the rest a part number and a description, which must split back out.
void CheckOptionRow(std::string_view data);

// zorvik-select's option parser and the option values of its flow, fill
// and point commands. The bytes are the command line's words separated by
// NUL; the first byte of the first word chooses the command (0 flow, 1
// fill, 2 point, 3 the option parser alone with every option name).
void CheckSelectArguments(std::string_view data);

// BatchReader, the reader of a batch file of flow duty points. All bytes
// are the file.
void CheckBatchFile(std::string_view data);

// ParseJobText, the reader of .zjob job files. All bytes are the file.
void CheckJobFile(std::string_view data);

// Every target by the name of its folders in fuzz/corpus/ and
// fuzz/regressions/ (and of its binary, fuzz_<name>).
struct FuzzTarget {
    const char* name;
    void (*check)(std::string_view data);
};

inline constexpr FuzzTarget FuzzTargets[] = {
    {"parse_entry", CheckParseEntry},
    {"read_entry_field", CheckReadEntryField},
    {"convert_entry_units", CheckConvertEntryUnits},
    {"offices_file", CheckOfficesFile},
    {"office_index_file", CheckOfficeIndexFile},
    {"selection_row", CheckSelectionRow},
    {"option_row", CheckOptionRow},
    {"select_arguments", CheckSelectArguments},
    {"batch_file", CheckBatchFile},
    {"job_file", CheckJobFile},
};

}  // namespace zorvik::fuzz
