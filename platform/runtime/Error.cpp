#include "Error.h"

#include <new>
#include <stdexcept>

const char* const kAppTitle = "TerralithData";

std::string RuntimeErrorText(int32_t number) {
    switch (number) {
        case 5:
            return "Invalid procedure call or argument";
        case 6:
            return "Overflow";
        case 7:
            return "Out of memory";
        case 9:
            return "Subscript out of range";
        case 11:
            return "Division by zero";
        case 13:
            return "Type mismatch";
        case 51:
            return "Internal error";
        case 52:
            return "Bad file name or number";
        case 53:
            return "File not found";
        case 58:
            return "File already exists";
        case 70:
            return "Permission denied";
        case 75:
            return "Path/File access error";
        case 91:
            return "Object variable or With block variable not set";
        case 94:
            return "Invalid use of Null";
        case 424:
            return "Object required";
        case 429:
            return "ActiveX component can't create object";
        case 438:
            return "Object doesn't support this property or method";
        case 457:
            return "This key is already associated with an element of this collection";
        default:
            return "";
    }
}

Error::Error(int32_t number, std::string source, std::string description, std::string helpFile,
             int32_t helpContext)
    : number_(number),
      source_(std::move(source)),
      description_(std::move(description)),
      helpFile_(std::move(helpFile)),
      helpContext_(helpContext) {}

void Raise(int32_t number, std::string source, std::string description, std::string helpFile,
           int32_t helpContext) {
    if (source.empty()) source = kAppTitle;
    if (description.empty()) {
        description = RuntimeErrorText(number);
        if (description.empty()) description = "Application-defined or object-defined error";
    }
    throw Error(number, std::move(source), std::move(description), std::move(helpFile), helpContext);
}

void ErrObject::Clear() {
    Number = 0;
    Source.clear();
    Description.clear();
    HelpFile.clear();
    HelpContext = 0;
    LastDllError = 0;
    Line = 0;
}

void ErrObject::Set(const Error& e) {
    Number = e.Number();
    Source = e.Source();
    Description = e.Description();
    HelpFile = e.HelpFile();
    HelpContext = e.HelpContext();
}

void ErrObject::Raise() const { throw Error(Number, Source, Description, HelpFile, HelpContext); }

ErrObject& Err() {
    thread_local ErrObject err;
    return err;
}

Error CurrentExceptionAsError() {
    try {
        throw;
    } catch (const Error& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return Error(rt::kOutOfMemory, kAppTitle, RuntimeErrorText(rt::kOutOfMemory));
    } catch (const std::out_of_range&) {
        return Error(rt::kSubscript, kAppTitle, RuntimeErrorText(rt::kSubscript));
    } catch (const std::invalid_argument&) {
        return Error(rt::kInvalidCall, kAppTitle, RuntimeErrorText(rt::kInvalidCall));
    } catch (const std::exception& e) {
        return Error(rt::kInternal, kAppTitle,
                     std::string(RuntimeErrorText(rt::kInternal)) + ": " + e.what());
    } catch (...) {
        return Error(rt::kInternal, kAppTitle, RuntimeErrorText(rt::kInternal));
    }
}
