// The arithmetic rule of the engine: values are stored in the engine's store type (float for the
// analysis the program reports, double for a check run), every expression is evaluated in at
// least double precision, and the result is rounded to the store type when it is stored.
#pragma once

namespace stavelorn {

// Precision in which the engine evaluates expressions before storing them.
using Calc = double;

// Rounds an expression to the store type. A zero result is always stored as +0: the sign of a
// zero has no meaning in a stiffness analysis, and keeping negative zeros out of the stored
// values is what lets the equation solver skip products with a zero factor without changing a
// single bit (x - (+/-0) == x for every x except a negative zero).
template <typename Real>
inline Real Store(Calc value) {
  return static_cast<Real>(value) + Real(0);
}

// a + b*c evaluated in double precision and rounded to the store type as it is stored: the one
// form of every partial sum of a matrix product.
template <typename Real>
inline Real AddProduct(Real a, Real b, Real c) {
  return Store<Real>(Calc(a) + Calc(b) * Calc(c));
}

}  // namespace stavelorn
