<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>Accessible name</name>
    <message>
        <source>Training value %1</source>
        <translation>ค่าข้อมูลฝึกช่องที่ %1</translation>
    </message>
    <message>
        <source>Unseen value %1</source>
        <translation>ค่าข้อมูลใหม่ช่องที่ %1</translation>
    </message>
    <message>
        <source>General</source>
        <translation>ทั่วไป</translation>
    </message>
    <message>
        <source>Specific</source>
        <translation>เฉพาะ</translation>
    </message>
    <message>
        <source>Learning Data</source>
        <translation>ข้อมูลการเรียนรู้</translation>
    </message>
    <message>
        <source>Version Space</source>
        <translation>ปริภูมิเวอร์ชัน</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Concept Learning Tutor</source>
        <translation>โปรแกรมสอนการเรียนรู้มโนทัศน์</translation>
    </message>
    <message>
        <source>Watch candidate elimination narrow the version space, example by example</source>
        <translation>ดูการตัดตัวเลือกบีบปริภูมิเวอร์ชันให้แคบลงทีละตัวอย่าง</translation>
    </message>
    <message>
        <source>Learn concepts by candidate elimination, one example at a time</source>
        <translation>เรียนรู้มโนทัศน์ด้วยการตัดตัวเลือก ทีละตัวอย่าง</translation>
    </message>
</context>
<context>
    <name>Export failure</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ไม่ใช่โฟลเดอร์</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>สร้างโฟลเดอร์ %1 ไม่ได้</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>มีโฟลเดอร์ชื่อเดียวกันขวางอยู่</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>เขียนไฟล์ได้ไม่ครบ</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ไม่ใช่ไฟล์ปกติ</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist</source>
        <translation>%1 เป็นลิงก์ไปยังไฟล์ที่ไม่มีอยู่</translation>
    </message>
    <message>
        <source>%1 is another user&apos;s link in a folder shared by all users</source>
        <translation>%1 เป็นลิงก์ของผู้ใช้อื่นในโฟลเดอร์ที่ผู้ใช้ทุกคนใช้ร่วมกัน</translation>
    </message>
    <message>
        <source>the desktop folder is unknown: HOME is not an absolute path</source>
        <translation>ไม่ทราบโฟลเดอร์เดสก์ท็อป: HOME ไม่ใช่พาธแบบสัมบูรณ์</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Data not correct</source>
        <translation>ข้อมูลไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Duplicate Data</source>
        <translation>ข้อมูลซ้ำ</translation>
    </message>
    <message>
        <source>Cannot Learn</source>
        <translation>เรียนรู้ไม่ได้</translation>
    </message>
    <message>
        <source>This example was not learnt: the General boundary would need more than 30 rows.</source>
        <translation>ไม่ได้เรียนรู้ตัวอย่างนี้: ขอบเขตทั่วไปจะต้องมีมากกว่า 30 แถว</translation>
    </message>
    <message>
        <source>This example was not learnt: the Version Space would need more than 30 rows.</source>
        <translation>ไม่ได้เรียนรู้ตัวอย่างนี้: ปริภูมิเวอร์ชันจะต้องมีมากกว่า 30 แถว</translation>
    </message>
    <message>
        <source>This example was not learnt: no more than 32766 examples can be learnt. Press Clear to start again.</source>
        <translation>ไม่ได้เรียนรู้ตัวอย่างนี้: เรียนรู้ได้ไม่เกิน 32766 ตัวอย่าง กด ล้าง เพื่อเริ่มใหม่</translation>
    </message>
    <message>
        <source>Cannot Predict</source>
        <translation>ทำนายไม่ได้</translation>
    </message>
    <message>
        <source>Please input Data to Learning Before Predicting Unseen Data</source>
        <translation>โปรดป้อนข้อมูลการเรียนรู้ก่อนทำนายข้อมูลใหม่</translation>
    </message>
    <message>
        <source>No hypothesis is consistent with the learning data</source>
        <translation>ไม่มีสมมติฐานใดสอดคล้องกับข้อมูลการเรียนรู้</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>ผลลัพธ์</translation>
    </message>
    <message>
        <source>Your Data is Positive , Result is +</source>
        <translation>ข้อมูลของคุณเป็นบวก ผลลัพธ์คือ +</translation>
    </message>
    <message>
        <source>Your Data is Negative ,Result is -</source>
        <translation>ข้อมูลของคุณเป็นลบ ผลลัพธ์คือ -</translation>
    </message>
    <message>
        <source>I can&apos;t Predict It ,Result is 0</source>
        <translation>ทำนายไม่ได้ ผลลัพธ์คือ 0</translation>
    </message>
    <message>
        <source>Text File</source>
        <translation>ไฟล์ข้อความ</translation>
    </message>
    <message>
        <source>Your TextFile Generate in Desktop is Hypothesis.txt</source>
        <translation>ไฟล์ข้อความของคุณบนเดสก์ท็อปคือ Hypothesis.txt</translation>
    </message>
    <message>
        <source>The hypothesis file %1 could not be written: %2</source>
        <translation>เขียนไฟล์สมมติฐาน %1 ไม่ได้: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Diagram</source>
        <translation>แผนภาพ</translation>
    </message>
    <message>
        <source>Version space diagram</source>
        <translation>แผนภาพปริภูมิเวอร์ชัน</translation>
    </message>
    <message>
        <source>Open session</source>
        <translation>เปิดเซสชัน</translation>
    </message>
    <message>
        <source>Next press</source>
        <translation>กดถัดไป</translation>
    </message>
    <message>
        <source>Play to end</source>
        <translation>เล่นจนจบ</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>ข้อความ</translation>
    </message>
    <message>
        <source>vspace has ended</source>
        <translation>vspace สิ้นสุดแล้ว</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>เริ่มใหม่</translation>
    </message>
    <message>
        <source>Opened %1: %2 presses to play.</source>
        <translation>เปิด %1 แล้ว: มี %2 การกดให้เล่น</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>ไม่ได้เปิด %1: %2</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Positive</source>
        <translation>บวก</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Predict</source>
        <translation>ทำนาย</translation>
    </message>
    <message>
        <source>Gen Text</source>
        <translation>สร้างไฟล์</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>ออก (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>ล้าง (&amp;C)</translation>
    </message>
    <message>
        <source>Unseen Data</source>
        <translation>ข้อมูลใหม่</translation>
    </message>
    <message>
        <source>Learning Data</source>
        <translation>ข้อมูลการเรียนรู้</translation>
    </message>
    <message>
        <source>Hypothesis</source>
        <translation>สมมติฐาน</translation>
    </message>
    <message>
        <source>Version Space</source>
        <translation>ปริภูมิเวอร์ชัน</translation>
    </message>
    <message>
        <source>Specific</source>
        <translation>เฉพาะ</translation>
    </message>
    <message>
        <source>General</source>
        <translation>ทั่วไป</translation>
    </message>
</context>
</TS>
