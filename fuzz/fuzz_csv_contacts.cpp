// The CSV reader on any bytes: any encoding, any separator, any quoting. Every input is read into
// contacts that keep the rules of fuzz_contacts.h, or refused as a whole with its line.

#include "fuzz_contacts.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        fuzzing::checkContacts(tavrin::contacts::readCsvContacts(input));
    } catch (const tavrin::contacts::ReadError& error) {
        fuzzing::checkRefusal(error);
    }
    return 0;
}
