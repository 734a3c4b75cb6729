#pragma once
// What an operation does to a statement: the new statement, with what
// completes the hint recorded beside it, or a refusal with the French message
// that tells the pupil why (an empty message: nothing is said, the action is
// simply not offered). The text of the new statement is written once, here.

#include <string>
#include <utility>
#include <variant>

struct Transformation {
    std::string texte;
    std::string complement;   // what fills the "%" of the hint, often nothing
};

struct Refus {
    std::string message;
};

class Issue {
public:
    Issue(Transformation t) : v_(std::move(t)) {}
    Issue(Refus r) : v_(std::move(r)) {}

    // The operation applies.
    explicit operator bool() const { return std::holds_alternative<Transformation>(v_); }
    const Transformation &operator*() const { return std::get<Transformation>(v_); }
    const Transformation *operator->() const { return &std::get<Transformation>(v_); }
    // Why it does not apply; empty when it applies.
    const std::string &refus() const
    {
        static const std::string aucun;
        return *this ? aucun : std::get<Refus>(v_).message;
    }

private:
    std::variant<Transformation, Refus> v_;
};

inline Issue transforme(std::string texte, std::string complement = {})
{
    return Transformation{std::move(texte), std::move(complement)};
}
inline Issue refuse(std::string message = {}) { return Refus{std::move(message)}; }
