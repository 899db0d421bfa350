#pragma once
// What a settings operation came to: done (and whether the file changed), a
// key that is not there, or a refusal with its reason.

#include <string>

namespace settings {

struct Status {
    enum class Code {
        Ok,
        NotFound,
        Refused,
    };

    Code code = Code::Ok;
    std::string message;
    bool changed = false;

    static Status done(bool changed) { return { Code::Ok, {}, changed }; }
    static Status notFound(std::string message) { return { Code::NotFound, std::move(message), false }; }
    static Status refused(std::string message) { return { Code::Refused, std::move(message), false }; }

    bool ok() const { return code == Code::Ok; }
};

}
