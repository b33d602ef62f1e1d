cls
cd C:\SCHED\data
