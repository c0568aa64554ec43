#pragma once

namespace zt {

// Why a trade or a service turned the player down; the window beeps and nothing has changed.
enum class Refusal {
    None,         // done
    Fraction,     // the amount typed has a fractional part
    TooFew,       // a sale of 0 or less, or a negative purchase
    AboveLimit,   // more than the maximum: the loan room, the units on offer, what fits
    AboveDebt,    // a repayment larger than the debt
    AboveCash,    // a repayment larger than the cash
    MoneyRange,   // cash would leave the 32-bit range
    NoSuchShip,   // not one of the seven ship types
    SameShip,     // the ship the player already flies
    NetCashShort, // cash less debt does not cover the price
};

// The part every answer of a trade or a service shares: done, or the reason it was refused.
struct Answer {
    Refusal refusal = Refusal::None;

    bool done() const { return refusal == Refusal::None; }
};

} // namespace zt
