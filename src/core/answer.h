#pragma once

namespace zt {

// Why a service turned the player down; the window beeps and nothing has changed.
enum class Refusal {
    None,         // done
    Fraction,     // the amount typed has a fractional part
    AboveLimit,   // more than the loan room or the units on offer
    AboveDebt,    // a repayment larger than the debt
    AboveCash,    // a repayment larger than the cash
    MoneyRange,   // cash would leave the 32-bit range
    NoSuchShip,   // not one of the seven ship types
    SameShip,     // the ship the player already flies
    NetCashShort, // cash less debt does not cover the price
};

// The part every service answer shares: done, or the reason it was refused.
struct Answer {
    Refusal refusal = Refusal::None;

    bool done() const { return refusal == Refusal::None; }
};

} // namespace zt
