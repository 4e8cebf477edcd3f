#include "calc/HelpTexts.h"

const std::array<const char*, 8> HelpTexts = {
    "To generate signals you need to input the price data manually or load from file with price data.\r\n\r\n"
    "For short term signal collect the price data for last 10 closing prices of chosen timeframe\r\n"
    "(minutes, hours, days or weeks) from your broker software (for example Metatrader4).\r\n"
    "Open Metatrader4, then open price graph and move your mouse over the candle and you'll see\r\n"
    "the information about prices. Take data from last 10 candles with close price from the chart,\r\n"
    "begin with old and continue to new. Last price is the current price.\r\n\r\n"
    "Read full Help for more details.",

    "To generate signals you need to input the price data manually or load from file with price data.\r\n\r\n"
    "For long term signal collect price data from last 10 most important peaks on the same timeframe.\r\n"
    "Start typing with old data and finish with new. Last peak price is the current price.\r\n"
    "After finishing with manual data input don't forget to set the TimeFrame and Currency in \"Step2: Set Parameters\"!\r\n\r\n"
    "Read full Help for more details.",

    "Step2: You should set the parameters: timeframe, currency and market.\r\n\r\n"
    "You can trade on different timefames: 5M, 15M, 30M and 1H for intraday\r\n"
    "trading and 4H, 1D, 1W for long term daily trading. The strategy has\r\n"
    "been designed to be useful for trading any major currency pair such as\r\n"
    "EUR/USD, GBP/USD, USD/JPY, USD/CHF etc. The software was developed\r\n"
    "for forex market, but it also can be used for stock options, spread\r\n"
    "betting, futures, metal trading and indices.",

    "Here you can set Stop Loss and Take Profit limits for your order calculation.\r\n\r\n"
    "They are calculated from the current price, not from predicted price.\r\n"
    "You can use default values or change and adjust them.\r\n"
    "Example: If the current price is 1.2000 and you want to place BUY\r\n"
    "order you should set the Takeprofit (70 pips) - 1.2070 and Stoploss\r\n"
    "(50pips) - 1.1950",

    "Decimals is the amount of numbers after the point.\r\n\r\n"
    "For example for EURO/USD prices look like 1.4123 so Decimals = 4\r\n"
    "For USDJPY prices look like 113.84 and Decimals = 2",

    "Here using \"Add\" button you can add new price value to the\r\n"
    "calculation to generate new signal.\r\n\r\n"
    "For example if you monitor the trade on 1H chart and get new\r\n"
    "closing price after 1 hour so you can add this new 11th price.",

    "In \"Result Signals\" group you can see the generated short and long\r\n"
    "term signals and recommended stop loss and take profit limits. They\r\n"
    "are calculated from the Last (current) price, not from Predicted price.\r\n\r\n"
    "Predicted price is just informational price based on program\r\n"
    "calculations and predictions.\r\n\r\n"
    "You should open market trade the same time you receive the signal. (at\r\n"
    "current market price)\r\n\r\n"
    "You can close open positions if you reach TakeProfit goal or when you\r\n"
    "get opposite signal or \"No trade\".",

    "Probability of the signal.\r\n\r\n"
    "The probability of each signal shows how strong the signal is.\r\n"
    "If difference of \"Buy\" and \"Sell\" signals is too small\r\n"
    "you get \"No trade\" Signal. If you get \"No trade\" signal that\r\n"
    "means that current market trend is not clear and program does not\r\n"
    "recommend you to open trades now. You can continue generating signals\r\n"
    "next time.",
};
