cls
cd C:\SCHED\data
copy *.eva data.run
copy *.evn data1.run
copy *.ros roster.rrr
ren roster.rrr roster.ros
move team2020 C:\SCHED\
cd ..
C:\SCHED\bgame -y 2020 -s 0401 -e 1030 -dsp C:\SCHED\data\data.run >> C:\SCHED\data\al.txt
C:\SCHED\bgame -y 2020 -s 0401 -e 1030 -dsp C:\SCHED\data\data1.run >> C:\SCHED\data\nl.txt
move team2020 C:\SCHED\data\
cd data
copy *.txt data.tx1
ren data.tx1 S20.txt
move S20.txt C:\SCHED\
del data.run
del data1.run
del roster.ros
del al.txt
del nl.txt
del *.eva
del *.evn
del *.ros
del Team2020
cd .. 
