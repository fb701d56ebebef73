#pragma once

#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

#include <zip.h>

// A small feed of a made-up town, written for the tests: route R1 (港12)
// calls at four stops, its trips T1 and T2 with their stop_times out of
// order and numbered with gaps, T3 back on three of them; route R2 is a loop
// past 市役所前 twice; route R3 has no trips. Fares are by route and stop
// pair, each stop its own zone.
class TestFeed {
public:
    QMap<QString, QString> files{
        {"agency.txt", "agency_id,agency_name,agency_url,agency_timezone\nA1,みなと交通,http://x,Asia/Tokyo\n"},
        {"routes.txt", "route_id,agency_id,route_short_name,route_long_name,route_type\n"
                       "R1,A1,港12,駅前線,3\nR2,A1,,循環線,3\nR3,A1,99,運休線,3\n"},
        {"stops.txt", "stop_id,stop_name,stop_lat,stop_lon,zone_id\n"
                      "S1,みなと駅前,35,139,S1\nS2,市役所前,35,139,S2\nS3,中央公園,35,139,S3\nS4,港車庫,35,139,S4\n"},
        {"trips.txt", "route_id,service_id,trip_id,trip_headsign,direction_id\n"
                      "R1,平日,T1,港車庫行き,0\nR1,平日,T2,港車庫行き,0\nR1,平日,T3,みなと駅前,1\nR2,平日,L1,,0\n"},
        {"stop_times.txt", "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n"
                           "T1,7:00:00,7:00:00,S1,1\nT1,7:10:00,7:10:00,S3,5\nT1,7:05:00,7:05:00,S2,2\n"
                           "T1,7:20:00,7:20:00,S4,10\nT2,8:00:00,8:00:00,S1,1\nT2,8:05:00,8:05:00,S2,2\n"
                           "T2,8:10:00,8:10:00,S3,3\nT2,8:20:00,8:20:00,S4,4\nT3,9:00:00,9:00:00,S4,1\n"
                           "T3,9:10:00,9:10:00,S3,2\nT3,9:20:00,9:20:00,S1,3\nL1,6:00:00,6:00:00,S1,1\n"
                           "L1,6:05:00,6:05:00,S2,2\nL1,6:10:00,6:10:00,S3,3\nL1,6:15:00,6:15:00,S2,4\n"},
        {"fare_attributes.txt", "fare_id,price,currency_type,payment_method,transfers\n"
                                "F180,180,JPY,0,0\nF220,220,JPY,0,0\nF260,260,JPY,0,0\n"},
        {"fare_rules.txt", "fare_id,route_id,origin_id,destination_id,contains_id\n"
                           "F180,R1,S1,S2,\nF220,R1,S1,S3,\nF260,R1,S1,S4,\nF180,R1,S2,S3,\nF220,R1,S2,S4,\n"
                           "F180,R1,S3,S4,\n"},
    };

    // The folder `path`, made if need be, holding the files.
    void writeFolder(const QString& path) const {
        QDir().mkpath(path);
        const QMap<QString, QByteArray> contents = all();
        for (auto f = contents.begin(); f != contents.end(); ++f) {
            QFile file(QDir(path).filePath(f.key()));
            if (file.open(QIODevice::WriteOnly)) file.write(f.value());
        }
    }

    // A zip archive of the files, under `folder` inside it when one is given.
    bool writeZip(const QString& path, const QString& folder = {}) const {
        int error = 0;
        zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        if (!archive) return false;
        // The archive reads the buffers when it is closed.
        const QMap<QString, QByteArray> contents = all();
        for (auto f = contents.begin(); f != contents.end(); ++f) {
            zip_source_t* source = zip_source_buffer(archive, f.value().constData(), zip_uint64_t(f.value().size()), 0);
            const QByteArray name = (folder.isEmpty() ? f.key() : folder + u'/' + f.key()).toUtf8();
            if (!source || zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
                zip_discard(archive);
                return false;
            }
        }
        return zip_close(archive) == 0;
    }

    // Raw bytes for a file, where a test needs bytes that are no UTF-8 text.
    QMap<QString, QByteArray> raw;

private:
    QMap<QString, QByteArray> all() const {
        QMap<QString, QByteArray> contents = raw;
        for (auto f = files.begin(); f != files.end(); ++f)
            if (!raw.contains(f.key())) contents.insert(f.key(), f.value().toUtf8());
        return contents;
    }
};
