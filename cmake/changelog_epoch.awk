# changelog_epoch.awk -- the seconds since 1970 of a date as a Debian changelog
# writes it ("Mon, 07 Dec 2026 00:00:00 +0000"), with nothing but POSIX awk:
# the days from 1970-03-01 counted in 400-year eras, then the time of day.
{
    day = $2 + 0
    month = (index("JanFebMarAprMayJunJulAugSepOctNovDec", $3) + 2) / 3
    year = $4 - (month <= 2)
    era = int(year / 400)
    year_of_era = year - era * 400
    day_of_year = int((153 * (month > 2 ? month - 3 : month + 9) + 2) / 5) + day - 1
    days = era * 146097 + year_of_era * 365 + int(year_of_era / 4) - int(year_of_era / 100) + day_of_year - 719468
    split($5, clock, ":")
    offset = (substr($6, 2, 2) * 60 + substr($6, 4, 2)) * 60 * (substr($6, 1, 1) == "-" ? -1 : 1)
    print days * 86400 + clock[1] * 3600 + clock[2] * 60 + clock[3] - offset
}
