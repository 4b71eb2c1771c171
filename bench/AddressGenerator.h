#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// Deterministic German address records for the benchmarks. Every record is a
// pure function of the seed and its index, so the same tables come out on
// every machine and a duplicate can copy an earlier record without keeping it.
class AddressGenerator
{
public:
    // The base fields after ID, in table order.
    enum FieldId {
        Selected,
        Invalid,
        LetztesMail,
        Mail,
        Anrede,
        Betreff,
        Name,
        Vorname,
        Ansprechpartner,
        Str,
        PLZ,
        Ort,
        Land,
        Tel,
        Fax,
        Kategorie,
        FieldCount
    };
    using Record = std::array<QString, FieldCount>;

    static constexpr quint64 kDefaultSeed = 0x4C6F7276616E6531ULL;

    explicit AddressGenerator(quint64 seed = kDefaultSeed);

    static QString fieldName(int field);
    // Record number index (from 0), as text per field ("" = empty).
    Record record(qint64 index) const;

private:
    struct City
    {
        QString name;
        QString areaCode; // national form, with the leading 0
        QString country;
        QString dialPrefix; // "+43 " etc. for numbers abroad, "" at home
        QStringList postcodes;
        int weight = 1;
    };

    class Rng;

    Record freshRecord(Rng &rng) const;
    const City &pickCity(Rng &rng) const;
    QString personName(Rng &rng, bool male, QString *vorname) const;
    QString companyName(Rng &rng, const QString &kategorie, const City &city) const;
    QString street(Rng &rng) const;
    QString phone(Rng &rng, const City &city, bool mobile, const QString &suffix) const;
    QString mailFor(Rng &rng, const QString &vorname, const QString &name) const;

    quint64 m_seed;
    QStringList m_surnames;
    QStringList m_maleNames;
    QStringList m_femaleNames;
    QStringList m_streets;
    QStringList m_trades;
    QStringList m_businesses;
    QStringList m_legalForms;
    QStringList m_clubs;
    QStringList m_subjects;
    QStringList m_domains;
    QStringList m_mobilePrefixes;
    std::vector<City> m_cities;
    int m_cityWeight = 0;
};
