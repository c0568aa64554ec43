#include "core/instructions.h"

#include "core/numbers.h"

namespace zt {

namespace {

// "$2 for 56k Modems to $220,000 for Bandwidth": the cheapest and the dearest of a kind.
template <int N>
std::string priceSpan(const OneBased<std::string, N>& names,
                      const OneBased<PriceRange, N>& ranges) {
    int cheapest = 1, dearest = 1;
    for (int i = 2; i <= N; ++i) {
        if (ranges[i].low < ranges[cheapest].low) cheapest = i;
        if (ranges[i].high > ranges[dearest].high) dearest = i;
    }
    return formatMoney(ranges[cheapest].low) + " for " + names[cheapest] + " to " +
           formatMoney(ranges[dearest].high) + " for " + names[dearest];
}

std::string overview(const Catalogue& c) {
    const std::string& hopper = c.ships[1].name;
    return "It is the year 2300. You are a new trader in the Zenthari universe, the owner of "
           "an aging " +
           hopper +
           ", $5,000 in cash, no debt, 100 units of fuel and 100 units of shields, "
           "parked at " +
           c.galaxyNames[kStartGalaxy] + R"(.

YOUR MISSION
Buy goods where they are cheap, fly them to where they are wanted and sell them dear. On the way you will have to manage bank loans, bigger and faster ships, shields and fuel, natural hazards, space pirates and the Zenthari Revenue Service (the IRS).

THE UNIVERSE
Sixteen galaxies lie at random on a map of 6 columns by 7 rows. Each one sells four of the 20 regular goods and buys four others, and keeps a black market that sells two of the 6 black-market goods and buys two others.

THE GAME'S LENGTH
When you start a new game you choose its length:
  Short:  the game ends after the year 2400.
  Normal: the game ends after the year 2700.
  Long:   the game ends after the year 3500.
The Earth time moves on with every flight, and with some misfortunes. The first time you press GO after the Earth time has passed the end year, the game is over (a time exactly at the end year still lets you fly once more).

SCORING
Your net worth is your cash, minus your debt, plus every unit of cargo you carry valued at the price you paid for it. Each game length has its own high score list of three places; a net worth above one of them earns you a place.

THE BANK
The Zenthari Bank (Bank, Ctrl+B) lends you money and takes it back at any time between flights. You may borrow as long as your debt stays at $50,000 or less. Every flight adds 7 % interest to your debt, however long or short the flight is, so borrowed money must earn more than that between two flights. Repayments come out of your cash.

SAVING
File > Save Game (Ctrl+S) writes your game to a file; File > Open Game (Ctrl+O) carries on from one.)";
}

std::string trading(const Catalogue& c) {
    return R"(SUPPLY AND DEMAND
Each galaxy supplies (sells) four of the 20 regular goods and demands (buys) four others; its black market sells two of the 6 black-market goods and buys two others. You can only sell a good where it is demanded.

Every flight, anywhere, draws every price and every quantity in the universe anew, so the prices you saw before leaving will have changed when you arrive. Now and then (4 flights in 100) consumer trends shift: every galaxy then supplies and demands a new set of goods.

FINDING PLACES TO TRADE
Click a galaxy on the map to see what it supplies and demands. To find every galaxy that trades in one good, press the S/D button, choose Data Bank > Supply/Demand Search, or press F2: the galaxies that supply the good are outlined in green on the map, those that demand it in red.

WHAT IS A FAIR PRICE?
Data Bank > Normal Goods Prices (also a button in the Trading Post) lists the usual price range of every regular good; the Black Market has its own guide. Prices offered can lie a little outside these ranges. Regular goods run from about )" +
           priceSpan(c.goodsNames, c.goodsPriceRange) + "; black-market goods from about " +
           priceSpan(c.blackGoodsNames, c.blackPriceRange) + R"(.

BUYING AND SELLING
Open the Trading Post (Trade, Ctrl+T) or the Black Market (Ctrl+Z). Double-click a good for sale to buy it, or a good in your inventory to sell it, then type the quantity; click the maximum to put it into the box. You can buy at most what your cash pays for, what is on offer and what fits in your hold. Buying more of a good you already carry keeps one inventory line with the average price you paid.

A regular good that the galaxy does not buy can be scrapped at the Trading Post for $2 a unit. The Black Market scraps nothing.

CARGO CAPACITY
Every unit of every good, regular or black-market, takes one unit of room in your hold. Your ship's cargo capacity ()" +
           addCommas(std::to_string(c.ships[1].cargoCapacity)) + " units for a " + c.ships[1].name +
           R"() is the most you can carry; a bigger ship carries more.)";
}

std::string movement(const Catalogue& c) {
    return R"(HOW TO MOVE
Your current location has a red box on the map. Click another galaxy to select it as your destination: it gets a white box, and the Map Information panel shows what it supplies and demands, the fuel and time the flight needs and the bridge toll. Then press GO.

GO only works when you have the fuel and the cash for the flight. A figure you cannot afford is shown in red.

DISTANCE
Distances are measured in map squares, straight across: a neighbour to the side is 1 square away, a diagonal neighbour about 1.41, and the corners of the map about 7.81.

FUEL
Every square costs 10 units of fuel.

THE ZENTHARI BRIDGE TOLL
Every square costs $20 of toll, paid in cash when you leave: $20 to a neighbour, $28 across a diagonal, $156 from corner to corner. The longer the trip, the higher the toll.

SPEED
At standard speed a flight takes one Earth year per square. A faster ship needs less: speed 2 takes half the time, speed 3 a third and speed 4 a quarter. Ships and their speeds:
)" + [&c] {
        std::string speeds;
        for (const ShipSpec& ship : c.ships)
            speeds += "  " + ship.name + ": speed " + ship.speed + "\n";
        return speeds;
    }() + R"(
INTEREST
Every flight, long or short, adds 7 % to your debt.

SPECIAL EVENTS ON THE WAY
A flight may meet a natural hazard and, separately, space pirates: each has a chance of 4 in 100 for a trip of one square, and 5 more in 100 for each further square (rounded), up to 39 in 100 for the longest trips. With black-market goods on board the IRS may stop you as well. See the Special Events page.)";
}

std::string shipyards(const Catalogue& c) {
    std::string ships;
    for (const ShipSpec& ship : c.ships)
        ships += "  " + ship.name + ": " + formatMoney(ship.price) + ", cargo " +
                 addCommas(std::to_string(ship.cargoCapacity)) + ", shields " +
                 addCommas(std::to_string(ship.shieldCapacity)) + ", fuel " +
                 addCommas(std::to_string(ship.fuelCapacity)) + ", speed " + ship.speed + "\n";
    return R"(FUEL
Fuel costs $10 a unit (Buy Fuel, Ctrl+F); you can fill the tank up to your ship's fuel capacity. Every flight burns 10 units per square of distance. When your tank holds less than a flight needs, the Fuel needed figure turns red and GO stays off.

SHIELDS
Shield repairs cost $100 a unit (Repair Shield, Ctrl+R), up to your ship's shield capacity. Shields are lost to natural hazards and to space pirates. A ship whose shields reach zero is destroyed: you lose your whole cargo, are given a new )" +
           c.ships[1].name +
           R"( with 100 units of fuel and 100 of shields, and $10,000 is added to your debt. Your cash is not touched.

NEW SHIPS
Buy New Ship (Ctrl+P) sells any other ship. The shipyard takes no borrowed money: a ship's price must be covered by your net cash (cash minus debt), and is paid from your cash. Nothing is paid for your old ship. Every ship comes with a full tank and full shields, even a smaller one than before. Your cargo stays aboard; if it is more than the new hold takes, you cannot buy more until you have sold some.

The ships:
)" + ships;
}

std::string specialEvents() {
    return R"(NATURAL HAZARDS
A black hole, an asteroid storm, a supernova, a worm hole or another anomaly may lie in your path (from 4 in 100 on a one-square trip up to 39 in 100 on the longest). You choose:
  Go around: always safe, but it costs 1 to 20 years of Earth time.
  Go through: it costs 5 to 40 shield units. If that brings your shields to zero, your ship is destroyed (see Shipyards). With 41 shield units or more you always come through.

SPACE PIRATES
Pirates may stop you with the same chance as a hazard, drawn separately, after any hazard. You choose:
  Run: the pirates catch you 36 times in 100 at speed 1, 33 at speed 2, 30 at speed 3 and 27 at speed 4.
  Dump cargo: you lose your whole cargo, but always escape unharmed.
  Call for help: the Zenthari Police arrive in time 74 times in 100. If you carry black-market goods, the police leave you to the pirates every time.
When the pirates catch you, they take your whole cargo and their fire costs you 10 to 40 shield units; at zero shields your ship is destroyed.

THE IRS
Only a ship carrying black-market goods is ever inspected. The chance, in 100, is the distance in squares times the black-market units aboard, divided by 20 and rounded up, less one: 100 units over 5 squares give 24 in 100, 20 units over 1 square give none, and past 2,000 squares times units the inspection is certain. You choose:
  Dump cargo: your whole cargo goes overboard, regular goods included; no fine, no prison.
  Run: you escape 42 times in 100 at speed 1, 44 at speed 2, 46 at speed 3 and 48 at speed 4. If caught, your whole cargo is confiscated, you are fined $1,000 to $10,000 and spend 2 to 20 years in prison.
  Plead guilty: your whole cargo is confiscated, the fine is $1,000 and the prison term 2 to 4 years.
  Hire an attorney: the fee is 20 % of your cash or $5,000, whichever is greater, and is due whatever the verdict. You are acquitted 51 times in 100 and keep your cargo; otherwise your whole cargo is confiscated, you are fined $1,000 to $10,000 and spend 2 to 20 years in prison.
Fines and fees are added to your debt, not taken from your cash. Prison years are added to the Earth time and can carry it past the end of the game.)";
}

std::string strategies() {
    return R"(A FEW TIPS
- Travel short distances. Fuel, toll and time grow with the distance, and so do the chances of hazards, pirates and the IRS.
- Check the normal goods prices before you buy: a price near the top of its range leaves little profit.
- Make sure a galaxy buys what you buy. Use the S/D search (F2) before you load up, and remember that prices are drawn anew on every flight.
- Do not carry many black-market goods far: the IRS chance grows with both.
- Keep your shields above 40 if you like to go through hazards.
- Watch your debt. At 7 % per flight, a loan grows fast; repay it when the cash is not earning more.
- Keep an eye on the Earth time. The game ends at the first GO after the end year, and a long prison term or a detour can bring that day closer than you think.)";
}

} // namespace

std::vector<InstructionPage> instructionPages(const Catalogue& catalogue) {
    return {
        {"Overview", "overviewText", overview(catalogue)},
        {"Trading", "tradingText", trading(catalogue)},
        {"Movement", "movementText", movement(catalogue)},
        {"Shipyards", "shipyardsText", shipyards(catalogue)},
        {"Special Events", "specialEventsText", specialEvents()},
        {"Strategies", "strategiesText", strategies()},
    };
}

} // namespace zt
