#include "race/LoadFailure.h"

#include <new>
#include <stdexcept>

#include "race/Archive.h"
#include "race/FileIo.h"
#include "ui/Format.h"
#include "ui/Strings.h"

namespace korva {

std::string loadFailureText(FileKind kind) {
    try {
        throw;
    } catch (const ArchiveError& e) {
        const int plain = kind == FileKind::Race ? str::kNotARaceFile : str::kNotAMasterFile;
        return std::string(text(plain)) + "\n" +
               cformat(text(str::kLoadDetail), e.offset(), e.expected());
    } catch (const FileError& e) {
        return e.what();
    } catch (const std::bad_alloc&) {
        return std::string(text(str::kOutOfMemory));
    } catch (const std::length_error&) {
        return std::string(text(str::kOutOfMemory));
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return std::string(
            text(kind == FileKind::Race ? str::kNotARaceFile : str::kNotAMasterFile));
    }
}

}  // namespace korva
