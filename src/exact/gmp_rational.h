#pragma once

// Inside exact/ only: the GMP value behind a Rational.

#include <gmpxx.h>

#include <memory>

#include "exact/rational.h"

namespace velmora {

struct Rational::Impl {
    mpq_class q;
};

inline const Rational::Impl* ImplOf(const Rational& r) noexcept {
    return r.m_impl.get();
}

inline Rational FromImpl(std::unique_ptr<Rational::Impl> impl) noexcept {
    return Rational(std::move(impl));
}

// The value of a Rational as GMP's, and back.
inline const mpq_class& MpqOf(const Rational& r) {
    static const mpq_class zero;
    const Rational::Impl* impl = ImplOf(r);
    return impl ? impl->q : zero;
}

inline Rational ToRational(mpq_class q) {
    if (sgn(q) == 0) {
        return {};
    }
    return FromImpl(std::make_unique<Rational::Impl>(Rational::Impl{std::move(q)}));
}

}  // namespace velmora
