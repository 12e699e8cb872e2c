#include "OutputFiles.h"

#include <sys/stat.h>

#include <filesystem>

#include "platform/runtime/Error.h"

namespace host {
namespace {

const char* const kSource = "terralith";

// True when the two names lead to one file: the same file once links are
// followed (hard links included) when both are there, else the same path
// once its folders' links are followed.
bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    std::error_code ea, eb;
    const auto pa = std::filesystem::weakly_canonical(std::filesystem::absolute(a), ea);
    const auto pb = std::filesystem::weakly_canonical(std::filesystem::absolute(b), eb);
    return !ea && !eb && pa == pb;
}

}  // namespace

std::string OutputFilesProblem(const std::vector<std::string>& outputs,
                               const std::vector<std::string>& inputs, bool bForce) {
    for (size_t i = 0; i < outputs.size(); ++i) {
        const std::string& out = outputs[i];
        if (out.empty()) continue;
        try {
            switch (OutputTargetOf(out, kSource)) {
                case OutputTarget::Other:
                    return out +
                           " is not a regular file (a folder, pipe, device or socket); give a file name";
                case OutputTarget::RegularFile:
                    if (!bForce) return out + " is there already; give --force to replace it";
                    break;
                case OutputTarget::Absent:
                    break;
            }
        } catch (const Error& e) {
            return e.Description();
        }
        for (size_t j = 0; j < i; ++j)
            if (!outputs[j].empty() && SameFile(out, outputs[j]))
                return (out == outputs[j] ? out + " is named twice"
                                          : out + " and " + outputs[j] + " are one file") +
                       "; give each output a file of its own";
        for (const std::string& in : inputs)
            if (!in.empty() && SameFile(out, in))
                return (out == in ? out + " is a file" : out + " is the file " + in) +
                       " the command reads; give its output another name";
    }
    return "";
}

}  // namespace host
